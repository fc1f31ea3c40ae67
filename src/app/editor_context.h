#pragma once

#include "app/app_services.h"
#include "app/editor_document.h"
#include "ui/dialog.h"

namespace zelvan {

// What an operation behind a button works on: the document, the window it was started from,
// and the services of the run.
struct EditorContext {
  EditorDocument& document;
  ui::Dialog& window;
  const AppServices& services;

  ui::Host& host() const { return services.host; }
};

}  // namespace zelvan
