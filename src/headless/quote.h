#pragma once

#include <string>
#include <string_view>

namespace zelvan::headless {

// A value in double quotes as zelvan-drive prints it: line break as \n, quote as \",
// backslash as \\.
std::string Quote(std::string_view text);

}  // namespace zelvan::headless
