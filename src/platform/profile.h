#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zelvan::platform {

// INI files with the semantics of the Windows private-profile functions: a missing file or
// key gives the default, section and key names match case-insensitively, an integer is the
// leading decimal number of the value, and a write replaces one key's value in place
// (creating the file, section or key when needed) and keeps every other line byte for byte.
// Values are read whole, however long.
std::string ReadProfileText(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view defaultValue = {});
int ReadProfileInt(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, int defaultValue);
// False when the file could not be written; callers of the configuration ignore it. Also
// false, with the file untouched, for a line break in any argument, a key holding '=' or a
// section holding ']', and for an existing file that could not be read whole.
bool WriteProfileText(const std::filesystem::path& file, std::string_view section,
                      std::string_view key, std::string_view value);

}  // namespace zelvan::platform
