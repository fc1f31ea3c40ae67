#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvan::testing {

// Synthetic STARTUP.XML files. The field positions are written out here again, on purpose:
// a wrong offset in the editor's own table then shows up as a failing test.
inline constexpr std::array<int, 20> kOriginFieldOffsets = {
    1227, 1566, 1905, 2244, 2583, 2922, 3261, 3600, 3941, 4284,
    4627, 4970, 5313, 5656, 5999, 6342, 6685, 7028, 7371, 7714};
inline constexpr std::array<int, 20> kStandardValues = {25,  120,  -300, 115, -20,  -15, -120,
                                                        260, -145, 35,   20,  20,   75,  -85,
                                                        -30, 610,  435,  50,  -590, -415};
inline constexpr std::size_t kLayoutBLength = 23375;

struct StartupXml {
  std::size_t length = 8000;  // 23375 selects the second layout
  // Markup around the fields; files that differ only here tell whose bytes were written.
  std::string_view filler = "<servo name=\"synthetic\" note=\"test data\"/>\r\n";
  std::optional<int> attenuator = 3;  // nothing: a file that carries the no-attenuator marker
  // Per value set (origin, lower, upper), per servo ID 2..21.
  std::array<std::array<int, 20>, 3> values = [] {
    std::array<std::array<int, 20>, 3> values{};
    for (int i = 0; i < 20; ++i) {
      values[0][i] = kStandardValues[i] + 10;
      values[1][i] = -1000 - i;
      values[2][i] = 1000 + i;
    }
    return values;
  }();
};

inline std::string HexField(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04x", static_cast<unsigned>(value) & 0xFFFFu);
  return text;
}

inline std::size_t ServoFieldPosition(std::size_t length, int servoIndex, int valueSet) {
  const std::size_t shift = length == kLayoutBLength ? 5 : 0;
  return static_cast<std::size_t>(kOriginFieldOffsets[servoIndex]) + 7 * valueSet + shift;
}

inline std::size_t AttenuatorPosition(std::size_t length) {
  return length == kLayoutBLength ? 220 : 202;
}

inline std::vector<std::uint8_t> MakeStartupXml(const StartupXml& recipe = {}) {
  const std::string_view filler = recipe.filler;
  std::vector<std::uint8_t> bytes(recipe.length);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = filler[i % filler.size()];
  auto put = [&](std::size_t position, std::string_view text) {
    for (std::size_t i = 0; i < text.size() && position + i < bytes.size(); ++i) {
      bytes[position + i] = static_cast<std::uint8_t>(text[i]);
    }
  };
  if (recipe.attenuator) {
    put(AttenuatorPosition(recipe.length), HexField(*recipe.attenuator));
  } else {
    put(202, "adr=\"0x0046\"");
  }
  for (int set = 0; set < 3; ++set) {
    for (int servo = 0; servo < 20; ++servo) {
      put(ServoFieldPosition(recipe.length, servo, set), HexField(recipe.values[set][servo]));
    }
  }
  return bytes;
}

}  // namespace zelvan::testing
