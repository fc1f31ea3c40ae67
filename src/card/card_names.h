#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelvan::card {

// A file name as the card expects it in an upload: its UTF-8 bytes. Names inside the program
// are UTF-8 already, so this only checks them; nothing for a name that is not valid UTF-8.
std::optional<std::string> EncodeCardNameUtf8(std::string_view name);

struct PercentName {
  std::string text;        // "%" and two upper-case hex digits for every UTF-8 byte
  std::size_t utf8Length;  // the name's length in UTF-8 bytes, a third of text's length
};

// A file name for a download path: every UTF-8 byte percent-encoded, letters, digits and "."
// included, as the card matches names byte for byte. capacity is the room the caller keeps for
// the text and a terminating zero; nothing when 3 × UTF-8 length + 1 exceeds it, or when the
// name is not valid UTF-8.
std::optional<PercentName> EncodeCardNamePercent(std::string_view name, std::size_t capacity);

}  // namespace zelvan::card
