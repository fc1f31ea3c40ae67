#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvan::resources {

// The text of string-table entry id (UTF-8), empty when there is none.
std::string_view LoadString(int id);

// The numbers that have an entry, in ascending order.
std::vector<int> StringIds();

// Message id as shown to the user: %1 replaced by args[0], and so on.
std::string FormatMessage(int id, std::span<const std::string> args = {});

}  // namespace zelvan::resources
