#pragma once

#include <string_view>

namespace zelvan::config {

// One key of Zelvan.ini.
struct Key {
  std::string_view section;
  std::string_view name;
};

inline constexpr Key kStartupPath{"FILE", "PATH"};
inline constexpr Key kCharaPath{"FILE", "CHARA"};
inline constexpr Key kProgramPath{"FILE", "TORUQUE"};
inline constexpr Key kProgramEdition{"FILE", "VERSION"};
inline constexpr Key kPatternCount{"FILE", "PATTERN_COUNT"};
inline constexpr Key kCheckRange{"RANGE", "CHECK_RANGE"};
inline constexpr Key kServoSpeed{"REMOTE", "SERVO_SPEED"};
inline constexpr Key kUseFlashAir{"REMOTE", "FLASH_AIR"};
inline constexpr Key kRemoteFolder{"REMOTE", "FOLDER_DIRECTORY"};

inline constexpr int kDefaultProgramEdition = 1;
inline constexpr int kDefaultPatternCount = 64;
inline constexpr int kDefaultCheckRange = 1;
inline constexpr int kDefaultServoSpeed = 10;
inline constexpr int kDefaultUseFlashAir = 0;

inline constexpr std::string_view kConfigFileName = "Zelvan.ini";

}  // namespace zelvan::config
