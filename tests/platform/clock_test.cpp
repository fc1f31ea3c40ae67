#include "platform/clock.h"

#include <gtest/gtest.h>

namespace zelvan::platform {
namespace {

TEST(SystemClock, GivesAPlausibleLocalTime) {
  const LocalDateTime now = SystemClock{}.Now();
  EXPECT_GE(now.year, 2024);
  EXPECT_LE(now.year, 2200);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_GE(now.hour, 0);
  EXPECT_LE(now.hour, 23);
  EXPECT_GE(now.minute, 0);
  EXPECT_LE(now.minute, 59);
  EXPECT_GE(now.second, 0);
  EXPECT_LE(now.second, 60);  // a leap second
}

}  // namespace
}  // namespace zelvan::platform
