#include "ui/spin_step.h"

#include <gtest/gtest.h>

namespace zelvan::ui {
namespace {

struct StepCase {
  const char* box;
  int lastPosition;
  SpinRange range;
  int delta;
  int expected;
};

TEST(SpinStep, StepsFromTheBoxAndKeepsToTheRange) {
  const StepCase cases[] = {
      {"999", 0, {-1500, 1500}, +1, 1000},  // no digit grouping anywhere
      {"-1", 0, {-1500, 1500}, +1, 0},
      {"1500", 0, {-1500, 1500}, +1, 1500},  // stops at the top
      {"-1500", 0, {-1500, 1500}, -1, -1500},
      {"32767", 0, {-1500, 1500}, -1, 1499},  // pulled into the range first, then stepped
      {"abc", 41, {0, 100}, +1, 42},          // no number in the box: the last position
      {"", 7, {0, 7}, +1, 7},
      {"1,000", 5, {0, 2000}, +1, 6},  // grouped text is not a number
      {"3", 0, {7, 0}, +1, 2},         // a range given high-to-low runs backwards
      {"2147483647", 0, {-1500, 1500}, +1, 1500},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpinStep(c.box, c.lastPosition, c.range, c.delta), c.expected)
        << "box \"" << c.box << "\" delta " << c.delta;
  }
}

TEST(SpinStep, ParsesOnlyPlainSignedNumbers) {
  EXPECT_EQ(ParseSpinText("-450"), -450);
  EXPECT_EQ(ParseSpinText("0"), 0);
  for (const char* text : {"", "-", "+5", " 5", "5 ", "1,000", "99999999999", "0x10"}) {
    EXPECT_FALSE(ParseSpinText(text).has_value()) << text;
  }
}

TEST(SpinStep, WritesPlainDecimals) {
  EXPECT_EQ(SpinText(1000), "1000");
  EXPECT_EQ(SpinText(-1500), "-1500");
}

}  // namespace
}  // namespace zelvan::ui
