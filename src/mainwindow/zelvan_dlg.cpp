#include "mainwindow/zelvan_dlg.h"

#include "app/config.h"
#include "mainwindow/about_dlg.h"
#include "mainwindow/main_window_ids.h"
#include "resources/dialog_templates.h"

namespace zelvan {

using namespace mainwindow_ids;

CZelvanDlg::CZelvanDlg(AppServices services, const std::filesystem::path& configPath)
    : services_(services), document_(CreateDocument(configPath)) {}

CZelvanDlg::~CZelvanDlg() = default;

void CZelvanDlg::OnInit(ui::Dialog& dialog) {
  dialog.SetChecked(kOriginSetRadio, true);
  dialog.SetSpinRange(kAttenuatorSpin, 0, 7);
  if (document_->checkRange) dialog.SetChecked(kRangeLimitCheck, true);
  if (document_->useFlashAir) dialog.SetChecked(kFlashAirCheck, true);
  document_->modified = false;
}

void CZelvanDlg::OnCommand(ui::Dialog& dialog, int id, ui::Notification notification) {
  if (notification == ui::Notification::MenuCommand) {
    // Window-menu identifiers carry flags in their lowest four bits.
    if ((id & ~0xF) == ui::kIdAboutCommand) ShowAbout();
    return;
  }
  if (notification != ui::Notification::Clicked) return;
  switch (id) {
    case ui::kIdCancel:
      Close(dialog);
      break;
    case kFlashAirCheck:
      SetUseFlashAir(dialog);
      break;
    default:
      break;
  }
}

void CZelvanDlg::Close(ui::Dialog& dialog) {
  FreeDocument(document_);
  dialog.End(ui::kIdCancel);
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
