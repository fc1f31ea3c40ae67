// qt-screenshot [FOLDER]: renders dialogs 102 (with synthetic values), 100, 129, 130 and
// 131 to FOLDER/dialog-<id>.png (default /tmp/zelvan-shots), and the close question
// (message 116) to FOLDER/message-116.png; prints the dialog font.
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cstdio>
#include <string>

#include "qt/application.h"
#include "qt/dialog_units.h"
#include "qt/qt_dialog.h"
#include "qt/qt_host.h"
#include "resources/dialog_templates.h"

namespace {

using zelvan::ui::Dialog;
using zelvan::ui::DialogController;

// The main window as after reading a settings file: every box holds a value, some wide.
class FilledMainWindow final : public DialogController {
 public:
  void OnInit(Dialog& dialog) override {
    dialog.SetChecked(1044, true);
    dialog.SetChecked(1003, true);
    dialog.SetChecked(1048, true);
    dialog.SetSpinRange(1001, 0, 7);
    dialog.SetText(1000, "3");
    const std::array values = {-150, 35, -1200, 1800, 7,  -42, 0,    999,  -1800, 1000,
                               12,   -3, 250,   -250, 64, 128, -999, 1450, -64,   5};
    for (std::size_t i = 0; i < values.size(); ++i) {
      const int box = 1004 + 2 * static_cast<int>(i);
      dialog.SetSpinRange(box + 1, -1800, 1800);
      dialog.SetText(box, std::to_string(values[i]));
    }
    for (const int enabled : {5, 12, 13}) dialog.Enable(enabled, true);
  }
};

class FilledProgramDialog final : public DialogController {
 public:
  void OnInit(Dialog& dialog) override {
    for (const int radio : {1045, 1056, 1049, 1051, 1058, 1073}) dialog.SetChecked(radio, true);
    dialog.Enable(1050, true);
    dialog.SetText(1050, "2200");
    dialog.SetChecked(1060, true);
    for (int i = 0; i < 64; ++i) dialog.AddListItem(1070, "パターン" + std::to_string(i));
  }
};

class FilledCharaDialog final : public DialogController {
 public:
  void OnInit(Dialog& dialog) override { dialog.SetChecked(1004, true); }
};

class FilledServoSelect final : public DialogController {
 public:
  void OnInit(Dialog& dialog) override {
    for (const int box : {1004, 1006, 1026, 1032, 1042}) dialog.SetChecked(box, true);
  }
};

bool Render(const zelvan::ui::DialogTemplate& layout, DialogController& controller,
            const QDir& folder) {
  zelvan::qt::QtDialog dialog(layout, controller, nullptr);
  dialog.Initialise();
  dialog.show();
  // Let the window be mapped and painted before it is grabbed.
  for (int i = 0; i < 10; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  const QString file = folder.filePath(QStringLiteral("dialog-%1.png").arg(layout.id));
  const bool saved = dialog.grab().save(file);
  std::printf("%s %dx%d %s\n", saved ? "wrote" : "FAILED", dialog.width(), dialog.height(),
              qPrintable(file));
  dialog.hide();
  return saved;
}

// Shows message 116 through the host and grabs the box before answering Cancel.
bool RenderMessage(const QDir& folder) {
  const QString file = folder.filePath(QStringLiteral("message-116.png"));
  bool saved = false;
  QTimer timer;
  timer.setInterval(50);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer.stop();
    saved = box->grab().save(file);
    box->button(QMessageBox::Cancel)->click();
  });
  timer.start();
  zelvan::qt::QtHost host;
  host.Message(116, zelvan::ui::MessageStyle::SaveQuestion);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zelvan::qt::PrepareApplication(app);
  const QString target =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zelvan-shots");
  QDir folder;
  if (!folder.mkpath(target)) {
    std::fprintf(stderr, "cannot make %s\n", qPrintable(target));
    return 1;
  }
  folder.setPath(target);

  namespace res = zelvan::resources;
  const QFont font = zelvan::qt::DialogFont(res::kDialogFont, 9);
  const auto units = zelvan::qt::DialogUnits::Of(font);
  std::printf("font %s %dpt, resolved %s, dialog units %dx%d px\n", qPrintable(font.family()),
              font.pointSize(), qPrintable(QFontInfo(font).family()), units.baseX, units.baseY);

  FilledMainWindow mainWindow;
  DialogController about;
  FilledCharaDialog chara;
  FilledProgramDialog program;
  FilledServoSelect servoSelect;
  bool ok = Render(res::MainWindowTemplate(), mainWindow, folder);
  ok = Render(res::AboutDialogTemplate(), about, folder) && ok;
  ok = Render(res::CharaDialogTemplate(), chara, folder) && ok;
  ok = Render(res::ProgramDialogTemplate(), program, folder) && ok;
  ok = Render(res::ServoSelectDialogTemplate(), servoSelect, folder) && ok;
  ok = RenderMessage(folder) && ok;
  return ok ? 0 : 1;
}
