#include "mainwindow/zelvan_dlg.h"

#include <algorithm>

#include "app/config.h"
#include "mainwindow/about_dlg.h"
#include "platform/files.h"
#include "remote/servo_log_reset.h"
#include "resources/dialog_templates.h"
#include "resources/main_window_ids.h"
#include "startup/servo_table.h"
#include "startup/startup_messages.h"
#include "startup/startup_settings.h"
#include "startup/value_rules.h"

namespace zelvan {

using namespace main_window_ids;

namespace {

bool IsValueBox(int id) {
  return id == kAttenuatorBox ||
         std::any_of(ServoTable.begin(), ServoTable.end(),
                     [id](const ServoRow& row) { return row.valueBox == id; });
}

}  // namespace

CZelvanDlg::CZelvanDlg(AppServices services, const std::filesystem::path& configPath)
    : services_(std::move(services)), document_(CreateDocument(configPath)) {}

CZelvanDlg::~CZelvanDlg() = default;

void CZelvanDlg::OnInit(ui::Dialog& dialog) {
  dialog.SetChecked(kOriginSetRadio, true);
  dialog.SetSpinRange(kAttenuatorSpin, 0, 7);
  if (document_->checkRange) dialog.SetChecked(kRangeLimitCheck, true);
  ApplySpinRanges(*document_, dialog);
  ReadAtStartup(dialog);
  document_->modified = false;
}

void CZelvanDlg::ReadAtStartup(ui::Dialog& dialog) {
  const EditorContext context = Context(dialog);
  if (document_->useFlashAir) {
    dialog.SetChecked(kFlashAirCheck, true);
    if (!ReadStartupSettings(context, false, false)) ClearStartupFields(dialog);
    return;
  }
  if (document_->startupPath.empty()) {
    ClearStartupFields(dialog);
    return;
  }
  // A stored path whose file is gone or unreadable is forgotten.
  if (!platform::FileExists(document_->startupPath) ||
      !ReadStartupSettings(context, false, false)) {
    document_->startupPath.clear();
    config::WriteText(document_->configPath, config::kStartupPath, "");
    ClearStartupFields(dialog);
  }
}

void CZelvanDlg::OnCommand(ui::Dialog& dialog, int id, ui::Notification notification) {
  switch (notification) {
    case ui::Notification::MenuCommand:
      // Window-menu identifiers carry flags in their lowest four bits.
      if ((id & ~0xF) == ui::kIdAboutCommand) ShowAbout();
      break;
    case ui::Notification::TextChanged:
      // Whoever changes a value box (the user, a spin button, a read) makes the document
      // differ from the file.
      if (document_ && IsValueBox(id)) document_->modified = true;
      break;
    case ui::Notification::Clicked:
      OnClicked(dialog, id);
      break;
    case ui::Notification::SelectionChanged:
      break;
  }
}

void CZelvanDlg::OnClicked(ui::Dialog& dialog, int id) {
  const EditorContext context = Context(dialog);
  switch (id) {
    case ui::kIdCancel:
      Close(dialog);
      break;
    case kReadButton:
      if (!ReadStartupSettings(context, true, false)) ClearStartupFields(dialog);
      break;
    case kWriteButton:
      WriteStartupSettings(context);
      break;
    case kRestoreButton:
      RestoreStandardValues(context);
      break;
    case kImportButton:
      ReadStartupSettings(context, true, true);
      break;
    case kRangeLimitCheck:
      ToggleRangeLimit(context);
      break;
    case kOriginSetRadio:
    case kLowerSetRadio:
    case kUpperSetRadio:
      SwitchValueSet(context, id - kOriginSetRadio);
      break;
    case kFlashAirCheck:
      SetUseFlashAir(dialog);
      break;
    default:
      break;
  }
}

void CZelvanDlg::Close(ui::Dialog& dialog) {
  if (document_->modified) {
    switch (services_.host.Message(kUnsavedValuesMessage, ui::MessageStyle::SaveQuestion)) {
      case ui::Answer::Cancel:
        return;
      case ui::Answer::Yes:
        // The user asked to keep the values: a failed write must not throw them away.
        if (!WriteStartupSettings(Context(dialog))) return;
        break;
      default:
        break;
    }
  }
  DestroyDocument();
  dialog.End(ui::kIdCancel);
}

void CZelvanDlg::DestroyDocument() {
  ResetServoLog(*document_, services_);
  FreeDocument(document_);
}

void CZelvanDlg::ShowAbout() {
  CAboutDlg about;
  services_.host.RunModal(resources::AboutDialogTemplate(), about);
}

void CZelvanDlg::SetUseFlashAir(ui::Dialog& dialog) {
  document_->useFlashAir = dialog.IsChecked(kFlashAirCheck);
  config::WriteFlag(document_->configPath, config::kUseFlashAir, document_->useFlashAir);
}

}  // namespace zelvan
