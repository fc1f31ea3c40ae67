#include "qt/qt_host.h"
#include "qt/qt_text.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include "qt/file_filter.h"
#include "qt/qt_dialog.h"
#include "resources/dialog_templates.h"
#include "resources/string_table.h"

namespace zelvan::qt {

namespace {

QMessageBox::Icon BoxIcon(ui::MessageIcon icon) {
  switch (icon) {
    case ui::MessageIcon::Exclamation:
    case ui::MessageIcon::Warning:
      // One picture for both, as the exclamation and warning icons always were.
      return QMessageBox::Warning;
    case ui::MessageIcon::Question:
      return QMessageBox::Question;
    case ui::MessageIcon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::Warning;
}

QMessageBox::StandardButtons BoxButtons(ui::MessageButtons buttons) {
  switch (buttons) {
    case ui::MessageButtons::Ok:
      return QMessageBox::Ok;
    case ui::MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case ui::MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case ui::MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// The answer of a box closed without a button of its own: the way out it offers.
ui::Answer WayOut(ui::MessageButtons buttons) {
  switch (buttons) {
    case ui::MessageButtons::Ok:
      return ui::Answer::Ok;
    case ui::MessageButtons::YesNo:
      return ui::Answer::No;
    case ui::MessageButtons::OkCancel:
    case ui::MessageButtons::YesNoCancel:
      return ui::Answer::Cancel;
  }
  return ui::Answer::Cancel;
}

}  // namespace

ui::Answer QtHost::Message(int stringId, ui::MessageStyle style,
                           std::span<const std::string> args) {
  const ui::MessageLook look = ui::LookOf(style);
  QMessageBox box(BoxIcon(look.icon), QStringLiteral("Zelvan"),
                  FromUtf8(resources::FormatMessage(stringId, args)), BoxButtons(look.buttons),
                  Top());
  box.setTextFormat(Qt::PlainText);
  // The first button is the default, as in every message box of the program.
  box.setDefaultButton(look.buttons == ui::MessageButtons::Ok ||
                               look.buttons == ui::MessageButtons::OkCancel
                           ? QMessageBox::Ok
                           : QMessageBox::Yes);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  switch (clicked ? box.standardButton(clicked) : QMessageBox::NoButton) {
    case QMessageBox::Ok:
      return ui::Answer::Ok;
    case QMessageBox::Yes:
      return ui::Answer::Yes;
    case QMessageBox::No:
      return ui::Answer::No;
    case QMessageBox::Cancel:
      return ui::Answer::Cancel;
    default:
      return WayOut(look.buttons);
  }
}

std::optional<std::string> QtHost::OpenFile(const ui::FileRequest& request) {
  QFileDialog dialog(Top());
  // Qt's own dialog on every desktop: the name filters below need its reading of them.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QStringList filters = NameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  QString extension = FromUtf8(request.defaultExtension);
  while (extension.startsWith(u'.')) extension.remove(0, 1);
  dialog.setDefaultSuffix(extension);
  const QString folder = FromUtf8(request.initialFolder);
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
  const QString name = FromUtf8(request.initialName);
  if (!name.isEmpty()) {
    // A name with a folder in it opens that folder, as the classic dialog does.
    const QFileInfo named(name);
    if (named.isAbsolute() && named.dir().exists()) dialog.setDirectory(named.dir());
    dialog.selectFile(named.fileName());
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return QFileInfo(chosen.front()).absoluteFilePath().toStdString();
}

std::optional<ui::Rgb> QtHost::PickColour(ui::Rgb preset) {
  QColorDialog dialog(QColor(preset.red, preset.green, preset.blue), Top());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QColor colour = dialog.selectedColor();
  if (!colour.isValid()) return std::nullopt;
  return ui::Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                 static_cast<std::uint8_t>(colour.blue())};
}

int QtHost::RunModal(const ui::DialogTemplate& dialog, ui::DialogController& controller) {
  QtDialog window(dialog, controller, Top(), {.aboutMenu = dialog.id == resources::kMainWindowId});
  open_.push_back(&window);
  struct Pop {
    std::vector<QWidget*>& open;
    ~Pop() { open.pop_back(); }
  } pop{open_};
  return window.Run();
}

ui::BusyScope QtHost::Busy() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  // The exchange that follows blocks the event loop; let the cursor reach the screen first,
  // without taking any of the user's input.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return ui::BusyScope([] { QGuiApplication::restoreOverrideCursor(); });
}

}  // namespace zelvan::qt
