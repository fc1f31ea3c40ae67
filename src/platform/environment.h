#pragma once

#include <string>

namespace zelvan::platform {

// The host name (or host:port) of the Wi-Fi SD card: ZELVAN_CARD_HOST when it is set and not
// empty, for renamed cards and for the fake card in tests; otherwise the card's own default.
std::string CardHostName();

}  // namespace zelvan::platform
