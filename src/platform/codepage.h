#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelvan::platform {

// CP932 (Shift-JIS as Windows writes it) to UTF-8 and back. Nothing when the input holds a
// sequence that has no counterpart in the other encoding.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// True for the first byte of a double-byte CP932 character.
bool IsCp932LeadByte(unsigned char byte);

// Searches CP932 text character by character, so a trail byte (0x5C in 表 = 95 5C) is never
// taken for the single-byte character searched for. npos when absent.
std::size_t FindFirstCp932(std::string_view cp932, char ch);
std::size_t FindLastCp932(std::string_view cp932, char ch);

}  // namespace zelvan::platform
