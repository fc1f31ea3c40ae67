#include "app/config.h"

#include "platform/profile.h"

namespace zelvan::config {

std::filesystem::path ConfigPathIn(const std::filesystem::path& folder) {
  return folder / kConfigFileName;
}

std::string ReadText(const std::filesystem::path& configPath, Key key) {
  return platform::ReadProfileText(configPath, key.section, key.name);
}

int ReadInt(const std::filesystem::path& configPath, Key key, int defaultValue) {
  return platform::ReadProfileInt(configPath, key.section, key.name, defaultValue);
}

void WriteText(const std::filesystem::path& configPath, Key key, std::string_view value) {
  platform::WriteProfileText(configPath, key.section, key.name, value);
}

void WriteFlag(const std::filesystem::path& configPath, Key key, bool on) {
  WriteText(configPath, key, on ? "1" : "0");
}

}  // namespace zelvan::config
