// Writes the program icon as PNG files for the desktop's icon theme:
// <folder>/<N>x<N>/zelvan.png for each size given.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "qt/program_icon.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: zelvan-icon-png FOLDER SIZE...\n");
    return 2;
  }
  // Drawing needs no screen; this runs during the build.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    const int side = QString::fromLatin1(argv[i]).toInt();
    if (side <= 0) {
      std::fprintf(stderr, "not a size: %s\n", argv[i]);
      return 2;
    }
    const QString sub = QStringLiteral("%1x%1").arg(side);
    if (!folder.mkpath(sub) ||
        !zelvan::qt::RenderProgramIcon(side).save(folder.filePath(sub + "/zelvan.png"))) {
      std::fprintf(stderr, "cannot write the %dx%d icon\n", side, side);
      return 1;
    }
  }
  return 0;
}
