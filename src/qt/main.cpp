#include <QApplication>

#include "app/config.h"
#include "app/zelvan_app.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/http.h"
#include "qt/application.h"
#include "qt/qt_host.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zelvan::qt::PrepareApplication(app);

  zelvan::qt::QtHost host;
  const zelvan::platform::SystemClock clock;
  zelvan::platform::CurlHttpClient http;
  zelvan::CZelvanApp editor(
      {.host = host, .clock = clock, .http = http, .cardHost = zelvan::platform::CardHostName()},
      zelvan::config::ConfigPathIn(zelvan::platform::ExecutableFolder()));
  return editor.Run();
}
