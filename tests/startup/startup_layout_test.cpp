#include "startup/startup_layout.h"

#include <gtest/gtest.h>

#include "support/startup_xml.h"

namespace zelvan {
namespace {

TEST(StartupLayout, LengthChoosesTheLayout) {
  EXPECT_EQ(LayoutForLength(23375), StartupLayout::B);
  for (std::size_t length : {0u, 7921u, 23374u, 23376u, 24576u}) {
    EXPECT_EQ(LayoutForLength(length), StartupLayout::A) << length;
  }
}

TEST(StartupLayout, FieldPositionsMatchTheFileFormat) {
  for (std::size_t length : {std::size_t{8000}, testing::kLayoutBLength}) {
    for (int set = 0; set < 3; ++set) {
      for (std::size_t i = 0; i < ServoTable.size(); ++i) {
        EXPECT_EQ(FieldPosition(ServoTable[i], set, LayoutForLength(length)),
                  testing::ServoFieldPosition(length, static_cast<int>(i), set))
            << "servo " << ServoTable[i].servoId << " set " << set;
      }
    }
  }
  EXPECT_EQ(LayoutInfo(StartupLayout::A).attenuatorOffset, 202u);
  EXPECT_EQ(LayoutInfo(StartupLayout::B).attenuatorOffset, 220u);
}

TEST(StartupLayout, ServoTableHoldsTheStandardValuesAndControls) {
  for (std::size_t i = 0; i < ServoTable.size(); ++i) {
    EXPECT_EQ(ServoTable[i].servoId, static_cast<int>(i) + 2);
    EXPECT_EQ(ServoTable[i].valueBox, 1004 + 2 * static_cast<int>(i));
    EXPECT_EQ(ServoTable[i].spinButton, ServoTable[i].valueBox + 1);
    EXPECT_EQ(ServoTable[i].standardValue, testing::kStandardValues[i]);
  }
  EXPECT_EQ(ServoRange(ServoTable[15], true).low, 460);  // ID17
  EXPECT_EQ(ServoRange(ServoTable[15], true).high, 760);
  EXPECT_EQ(ServoRange(ServoTable[18], true).low, -740);  // ID20
  EXPECT_EQ(ServoRange(ServoTable[18], false).high, 1500);
}

TEST(StartupLayout, MarkerNeedsAllTwelveBytes) {
  auto file = testing::MakeStartupXml({.attenuator = std::nullopt});
  EXPECT_TRUE(HasAttenuatorMarker(file));
  file.resize(213);
  EXPECT_FALSE(HasAttenuatorMarker(file));
  EXPECT_FALSE(HasAttenuatorMarker(testing::MakeStartupXml()));
}

}  // namespace
}  // namespace zelvan
