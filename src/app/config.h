#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/config_keys.h"

namespace zelvan::config {

// Zelvan.ini in the given folder (the executable's).
std::filesystem::path ConfigPathIn(const std::filesystem::path& folder);

// Key access on the configuration file; failures to write are not reported to the user.
std::string ReadText(const std::filesystem::path& configPath, Key key);
int ReadInt(const std::filesystem::path& configPath, Key key, int defaultValue);
void WriteText(const std::filesystem::path& configPath, Key key, std::string_view value);
void WriteFlag(const std::filesystem::path& configPath, Key key, bool on);  // "1" or "0"

}  // namespace zelvan::config
