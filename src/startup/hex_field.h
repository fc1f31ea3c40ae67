#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zelvan {

// "0x" and four lower-case hexadecimal digits: a 16-bit two's-complement value.
inline constexpr std::size_t kHexFieldWidth = 6;

// The value of the field at position, or nothing when the six bytes are not such a field
// (upper-case digits included) or do not lie within bytes.
std::optional<int> ParseHexField(std::span<const std::uint8_t> bytes, std::size_t position);

// Writes the low 16 bits of value as a field into the six bytes at position; the byte after
// the field is never touched. Nothing is written when the field would not fit.
void FormatHexField(int value, std::span<std::uint8_t> bytes, std::size_t position);

}  // namespace zelvan
