#include "platform/environment.h"

#include <cstdlib>

namespace zelvan::platform {

std::string CardHostName() {
  const char* value = std::getenv("ZELVAN_CARD_HOST");
  if (value != nullptr && *value != '\0') return value;
  return "flashair";
}

}  // namespace zelvan::platform
