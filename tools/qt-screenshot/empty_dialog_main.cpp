// One empty dialog and nothing else: what any Qt Widgets program pays to show a window.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("empty"));
  return dialog.exec();
}
