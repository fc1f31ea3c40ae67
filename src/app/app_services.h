#pragma once

#include "platform/clock.h"
#include "ui/host.h"

namespace zelvan {

// What the editor needs from outside its own code, handed in so every behaviour can run
// without a display, a network or the real clock.
struct AppServices {
  ui::Host& host;
  const platform::Clock& clock;
};

}  // namespace zelvan
