#include "qt/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "qt/dialog_units.h"
#include "qt/program_icon.h"
#include "resources/dialog_templates.h"

namespace zelvan::qt {

void PrepareApplication(QApplication& app) {
  // The toolkit's own words (Yes, No, Cancel, the file dialog's labels) in the desktop's
  // language; the program's own texts are Japanese whatever the language.
  auto* toolkitWords = new QTranslator(&app);
  if (toolkitWords->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(toolkitWords);
  }
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
  app.setFont(DialogFont(resources::kDialogFont, 9));
  app.setWindowIcon(ProgramIcon());
  app.setDesktopFileName(QStringLiteral("zelvan"));
  app.setQuitOnLastWindowClosed(false);
}

}  // namespace zelvan::qt
