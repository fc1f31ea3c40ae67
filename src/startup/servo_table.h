#pragma once

#include <array>
#include <string_view>

namespace zelvan {

// One servo: its controls in the main window, where its origin correction lies in a file of
// the first layout, and its standard origin correction in tenths of a degree.
struct ServoRow {
  int servoId;
  std::string_view joint;
  int valueBox;
  int spinButton;
  int fieldOffset;
  int standardValue;
};

// Servo IDs 2 to 21, in the order of every loop over the servos.
inline constexpr std::array<ServoRow, 20> ServoTable{{
    {2, "股横回転", 1004, 1005, 1227, 25},      {3, "股縦回転", 1006, 1007, 1566, 120},
    {4, "ヒザ", 1008, 1009, 1905, -300},        {5, "足首縦回転", 1010, 1011, 2244, 115},
    {6, "足首横回転", 1012, 1013, 2583, -20},   {7, "股横回転", 1014, 1015, 2922, -15},
    {8, "股縦回転", 1016, 1017, 3261, -120},    {9, "ヒザ", 1018, 1019, 3600, 260},
    {10, "足首縦回転", 1020, 1021, 3941, -145}, {11, "足首横回転", 1022, 1023, 4284, 35},
    {12, "腰旋回", 1024, 1025, 4627, 20},       {13, "首旋回", 1026, 1027, 4970, 20},
    {14, "横回転", 1028, 1029, 5313, 75},       {15, "縦回転", 1030, 1031, 5656, -85},
    {16, "肩縦回転", 1032, 1033, 5999, -30},    {17, "肩横回転", 1034, 1035, 6342, 610},
    {18, "ヒジ", 1036, 1037, 6685, 435},        {19, "肩縦回転", 1038, 1039, 7028, 50},
    {20, "肩横回転", 1040, 1041, 7371, -590},   {21, "ヒジ", 1042, 1043, 7714, -415},
}};

// The accepted range of a value: limited to ±15 degrees around the standard value while the
// range limit is on, ±150 degrees otherwise.
struct ValueRange {
  int low;
  int high;
};

inline constexpr int kRangeLimit = 150;
inline constexpr int kUnlimitedRange = 1500;

constexpr ValueRange ServoRange(const ServoRow& row, bool checkRange) {
  if (checkRange) return {row.standardValue - kRangeLimit, row.standardValue + kRangeLimit};
  return {-kUnlimitedRange, kUnlimitedRange};
}

inline constexpr ValueRange kAttenuatorRange{0, 7};

}  // namespace zelvan
