#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace zelvan::platform {
namespace {

using namespace std::string_literals;

struct Pair {
  std::string utf8;
  std::string cp932;
};

class Cp932Pair : public ::testing::TestWithParam<Pair> {};

TEST_P(Cp932Pair, ConvertsBothWays) {
  const Pair& pair = GetParam();
  EXPECT_EQ(Utf8ToCp932(pair.utf8), pair.cp932);
  EXPECT_EQ(Cp932ToUtf8(pair.cp932), pair.utf8);
}

// Byte lengths matter: the robot's file tables count CP932 bytes, so each row spells them out.
INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932Pair,
    ::testing::Values(Pair{"", ""}, Pair{"abc", "abc"}, Pair{"a\0b"s, "a\0b"s},
                      Pair{"表", "\x95\x5C"}, Pair{"ソ", "\x83\x5C"},
                      Pair{"ソラン\\base", "\x83\x5C\x83\x89\x83\x93\\base"},
                      // Half-width katakana are single bytes.
                      Pair{"ﾈﾙｶ設定ﾌｧｲﾙ", "\xC8\xD9\xB6\x90\xDD\x92\xE8\xCC\xA7\xB2\xD9"},
                      // 17 bytes: '？' is the double-byte 81 48, '~' stays the single byte 7E.
                      Pair{"電圧が一定以下？~",
                           "\x93\x64\x88\xB3\x82\xAA\x88\xEA\x92\xE8\x88\xC8\x89\xBA\x81\x48\x7E"},
                      Pair{"～", "\x81\x60"},
                      // Two ideographic spaces, 81 40 each.
                      Pair{"　　音声認識開始",
                           "\x81\x40\x81\x40\x89\xB9\x90\xBA\x94\x46\x8E\xAF\x8A\x4A\x8E\x6E"}));

// Half-width katakana triple in size, more than the first output buffer holds, so the
// conversion has to grow it and carry on where it stopped.
TEST(Cp932, GrowsOutputForLongText) {
  std::string cp932;
  std::string utf8;
  for (int i = 0; i < 5000; ++i) {
    cp932 += "\xB1\xB2\x95\x5C";  // ｱｲ表: 4 bytes here, 9 in UTF-8
    utf8 += "ｱｲ表";
  }
  EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
  EXPECT_EQ(Utf8ToCp932(utf8), cp932);
}

TEST(Cp932, RejectsInvalidCp932) {
  for (const std::string& bad : {"\x80"s, "\xA0"s, "\xFD"s, "ab\x95"s /* lead byte cut off */,
                                 "\x81\x20"s /* no such trail byte */}) {
    EXPECT_EQ(Cp932ToUtf8(bad), std::nullopt) << ::testing::PrintToString(bad);
  }
}

TEST(Cp932, RejectsInvalidOrUnmappableUtf8) {
  for (const std::string& bad : {"\xC3"s /* cut short */, "\xFF"s, "\xC0\xAF"s /* overlong */,
                                 "\xED\xA0\x80"s /* surrogate */, "한"s, "😀"s, "ok€"s}) {
    EXPECT_EQ(Utf8ToCp932(bad), std::nullopt) << ::testing::PrintToString(bad);
  }
}

TEST(Cp932, LeadByteRanges) {
  struct Row {
    unsigned char byte;
    bool lead;
  };
  for (const Row row : {Row{0x00, false}, Row{0x5C, false}, Row{0x80, false}, Row{0x81, true},
                        Row{0x9F, true}, Row{0xA0, false}, Row{0xA1, false}, Row{0xDF, false},
                        Row{0xE0, true}, Row{0xFC, true}, Row{0xFD, false}, Row{0xFF, false}}) {
    EXPECT_EQ(IsCp932LeadByte(row.byte), row.lead) << std::hex << int{row.byte};
  }
}

struct Search {
  std::string text;  // UTF-8 here, searched as CP932
  char ch;
  std::size_t first;
  std::size_t last;
};

class Cp932Search : public ::testing::TestWithParam<Search> {};

TEST_P(Cp932Search, StepsOverDoubleByteCharacters) {
  const Search& row = GetParam();
  const std::optional<std::string> cp932 = Utf8ToCp932(row.text);
  ASSERT_TRUE(cp932);
  EXPECT_EQ(FindFirstCp932(*cp932, row.ch), row.first);
  EXPECT_EQ(FindLastCp932(*cp932, row.ch), row.last);
}

constexpr std::size_t npos = std::string_view::npos;

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932Search,
    ::testing::Values(Search{"", '\\', npos, npos},
                      // The trail byte of 表 and ソ is 0x5C.
                      Search{"表", '\\', npos, npos}, Search{"ソ", '\\', npos, npos},
                      Search{"表ソ表", '\\', npos, npos}, Search{"ソラン\\base", '\\', 6, 6},
                      Search{"表\\", '\\', 2, 2}, Search{"\\表", '\\', 0, 0},
                      Search{"C:\\表\\ソ.txt", '\\', 2, 5}, Search{"ﾈﾙｶ\\設定ﾌｧｲﾙ", '\\', 3, 3},
                      Search{"\"表\"", '"', 0, 3}, Search{"dir\\ソ", '\\', 3, 3}));

TEST(Cp932Search, LoneLeadByteAtEndIsACharacterOfItsOwn) {
  EXPECT_EQ(FindLastCp932("a\\\x95", '\\'), 1u);
  EXPECT_EQ(FindLastCp932("a\x95\\", '\\'), npos);  // 95 5C is 表
}

}  // namespace
}  // namespace zelvan::platform
