#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/http.h"
#include "ui/host.h"

namespace zelvan::card {

// What a card exchange needs from outside, handed in so tests can run it against a fake card
// with a fixed clock and a recording host.
struct CardLink {
  ui::Host& host;
  platform::HttpClient& http;
  const platform::Clock& clock;
  std::string cardHost;  // host or host:port; see platform::CardHostName
};

}  // namespace zelvan::card
