#include "startup/hex_field.h"

namespace zelvan {

namespace {

constexpr char kDigits[] = "0123456789abcdef";

std::optional<int> DigitValue(std::uint8_t ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return std::nullopt;
}

}  // namespace

std::optional<int> ParseHexField(std::span<const std::uint8_t> bytes, std::size_t position) {
  if (position > bytes.size() || bytes.size() - position < kHexFieldWidth) return std::nullopt;
  const auto field = bytes.subspan(position, kHexFieldWidth);
  if (field[0] != '0' || field[1] != 'x') return std::nullopt;
  int value = 0;
  for (std::size_t i = 2; i < kHexFieldWidth; ++i) {
    const auto digit = DigitValue(field[i]);
    if (!digit) return std::nullopt;
    value = value * 16 + *digit;
  }
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

void FormatHexField(int value, std::span<std::uint8_t> bytes, std::size_t position) {
  if (position > bytes.size() || bytes.size() - position < kHexFieldWidth) return;
  const auto bits = static_cast<std::uint16_t>(value);
  bytes[position] = '0';
  bytes[position + 1] = 'x';
  for (int i = 0; i < 4; ++i) {
    bytes[position + 2 + i] = static_cast<std::uint8_t>(kDigits[(bits >> (12 - 4 * i)) & 0xF]);
  }
}

}  // namespace zelvan
