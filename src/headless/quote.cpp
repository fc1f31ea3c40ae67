#include "headless/quote.h"

namespace zelvan::headless {

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (char ch : text) {
    switch (ch) {
      case '\n':
        quoted += "\\n";
        break;
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      default:
        quoted += ch;
    }
  }
  quoted += '"';
  return quoted;
}

}  // namespace zelvan::headless
