#pragma once

#include <string>

#include "card/card_transfer.h"
#include "platform/clock.h"
#include "platform/http.h"
#include "ui/host.h"

namespace zelvan {

// What the editor needs from outside its own code, handed in so every behaviour can run
// without a display, a network or the real clock.
struct AppServices {
  ui::Host& host;
  const platform::Clock& clock;
  platform::HttpClient& http;
  std::string cardHost;  // host or host:port of the Wi-Fi SD card

  card::CardTransfer Card() const { return card::CardTransfer({host, http, clock, cardHost}); }
};

}  // namespace zelvan
