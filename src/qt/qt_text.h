#pragma once

#include <QString>

#include <string_view>

namespace zelvan::qt {

// The editor's text is UTF-8; Qt's is UTF-16.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zelvan::qt
