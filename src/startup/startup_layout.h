#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "startup/servo_table.h"

namespace zelvan {

// Two layouts of STARTUP.XML are known; they differ only in where the fields lie.
enum class StartupLayout { A, B };

struct StartupLayoutInfo {
  std::size_t attenuatorOffset;
  std::size_t servoShift;
};

inline constexpr std::size_t kLayoutBLength = 23375;
inline constexpr StartupLayoutInfo kLayoutA{202, 0};
inline constexpr StartupLayoutInfo kLayoutB{220, 5};

// Capacities: a normal read takes the whole file; an import only as much as covers every
// servo field (the last one ends at byte 7738 in the second layout).
inline constexpr std::size_t kStartupReadCapacity = 24576;
inline constexpr std::size_t kStartupImportCapacity = 7921;

// Files without an attenuator field carry this marker at 202 instead.
inline constexpr std::size_t kAttenuatorMarkerOffset = 202;
inline constexpr std::string_view kAttenuatorMarker = "adr=\"0x0046\"";

// Consecutive value sets of one servo lie this far apart.
inline constexpr std::size_t kValueSetStride = 7;

constexpr StartupLayout LayoutForLength(std::size_t length) {
  return length == kLayoutBLength ? StartupLayout::B : StartupLayout::A;
}

constexpr const StartupLayoutInfo& LayoutInfo(StartupLayout layout) {
  return layout == StartupLayout::B ? kLayoutB : kLayoutA;
}

constexpr std::size_t FieldPosition(const ServoRow& row, int valueSet, StartupLayout layout) {
  return static_cast<std::size_t>(row.fieldOffset) +
         kValueSetStride * static_cast<std::size_t>(valueSet) + LayoutInfo(layout).servoShift;
}

// True when the bytes carry the marker of a file without attenuator field.
bool HasAttenuatorMarker(std::span<const std::uint8_t> bytes);

}  // namespace zelvan
