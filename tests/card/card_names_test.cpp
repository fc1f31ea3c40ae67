#include <gtest/gtest.h>

#include <string>

#include "card/card_names.h"

namespace zelvan::card {
namespace {

struct PercentCase {
  const char* name;
  std::size_t capacity;
  const char* text;
  std::size_t utf8Length;
};

TEST(CardNamesTest, PercentEncodingWritesEveryUtf8Byte) {
  for (const PercentCase& c : {
           PercentCase{"性格.LOG", 32, "%E6%80%A7%E6%A0%BC%2E%4C%4F%47", 10},
           PercentCase{"サーボ01.LOG", 58, "%E3%82%B5%E3%83%BC%E3%83%9C%30%31%2E%4C%4F%47", 15},
           PercentCase{"a/b", 10, "%61%2F%62", 3},
           PercentCase{"", 1, "", 0},
       }) {
    SCOPED_TRACE(c.name);
    const auto encoded = EncodeCardNamePercent(c.name, c.capacity);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(encoded->text, c.text);
    EXPECT_EQ(encoded->utf8Length, c.utf8Length);
  }
}

// The text and its terminating zero must fit the caller's room: "性格.LOG" needs 31 bytes.
TEST(CardNamesTest, PercentEncodingFailsWhenTheCapacityIsTooSmall) {
  EXPECT_TRUE(EncodeCardNamePercent("性格.LOG", 31));
  EXPECT_FALSE(EncodeCardNamePercent("性格.LOG", 30));
  EXPECT_FALSE(EncodeCardNamePercent("", 0));
  // The program's longest name, 63 bytes, against the largest capacity its callers give.
  EXPECT_FALSE(EncodeCardNamePercent(std::string(63, 'A'), 58));
  EXPECT_TRUE(EncodeCardNamePercent(std::string(85, 'A'), 256));
  EXPECT_FALSE(EncodeCardNamePercent(std::string(86, 'A'), 256));
}

TEST(CardNamesTest, Utf8EncodingKeepsValidNamesAsTheyAre) {
  for (const char* name : {"STARTUP.XML", "性格.LOG", "ソランmain0716.KPX", ""}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(EncodeCardNameUtf8(name), std::string(name));
  }
  EXPECT_EQ(EncodeCardNameUtf8("性格.LOG")->size(), 10u);
}

// CP932 bytes, a stray continuation byte, an overlong "/", a surrogate and a sequence cut
// short are no UTF-8 names; the card would store garbage under them.
TEST(CardNamesTest, BothEncodingsRejectInvalidUtf8) {
  for (const char* name : {"\x90\xab\x8a\x69.LOG", "\x80", "\xC0\xAF", "\xED\xA0\x80", "\xE6\x80",
                           "\xF4\x90\x80\x80"}) {
    SCOPED_TRACE(::testing::PrintToString(std::string(name)));
    EXPECT_FALSE(EncodeCardNameUtf8(name));
    EXPECT_FALSE(EncodeCardNamePercent(name, 256));
  }
}

}  // namespace
}  // namespace zelvan::card
