#include "card/card_names.h"

#include <cstdint>

namespace zelvan::card {
namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    std::uint32_t lowest = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, codePoint = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, codePoint = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, codePoint = lead & 0x07, lowest = 0x10000;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < lowest || codePoint > 0x10FFFF) return false;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return false;
    i += length;
  }
  return true;
}

}  // namespace

std::optional<std::string> EncodeCardNameUtf8(std::string_view name) {
  if (!IsValidUtf8(name)) return std::nullopt;
  return std::string(name);
}

std::optional<PercentName> EncodeCardNamePercent(std::string_view name, std::size_t capacity) {
  if (!IsValidUtf8(name)) return std::nullopt;
  if (capacity == 0 || name.size() > (capacity - 1) / 3) return std::nullopt;
  static constexpr char kHex[] = "0123456789ABCDEF";
  PercentName result{std::string(), name.size()};
  result.text.reserve(name.size() * 3);
  for (const char ch : name) {
    const auto byte = static_cast<unsigned char>(ch);
    result.text += '%';
    result.text += kHex[byte >> 4];
    result.text += kHex[byte & 0x0F];
  }
  return result;
}

}  // namespace zelvan::card
