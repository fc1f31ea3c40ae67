#include "startup/hex_field.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvan {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(ParseHexField, ReadsSixteenBitTwosComplement) {
  const std::pair<const char*, int> cases[] = {
      {"0x0019", 25}, {"0xfffb", -5},     {"0x8001", -32767}, {"0x7fff", 32767},
      {"0x0000", 0},  {"0x9c40", -25536}, {"0x8000", -32768},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseHexField(Bytes(text), 0), value) << text;
}

TEST(ParseHexField, RefusesAnythingElse) {
  for (const char* text : {"0xFFFB", "0X0019", "1x0019", "0x00g1", "0x 019", "0x001"}) {
    EXPECT_FALSE(ParseHexField(Bytes(text), 0)) << text;
  }
  const auto bytes = Bytes("ab0x0019");
  EXPECT_EQ(ParseHexField(bytes, 2), 25);
  EXPECT_FALSE(ParseHexField(bytes, 3)) << "a field reaching past the end";
  EXPECT_FALSE(ParseHexField(bytes, 100));
}

TEST(FormatHexField, WritesLowSixteenBitsLowerCaseAndNothingElse) {
  const std::pair<int, const char*> cases[] = {
      {-5, "0xfffb"},     {25, "0x0019"},    {40000, "0x9c40"},
      {-32767, "0x8001"}, {32767, "0x7fff"}, {0x12345, "0x2345"},
  };
  for (const auto& [value, text] : cases) {
    auto bytes = Bytes("[------]");
    FormatHexField(value, bytes, 1);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("[") + text + "]") << value;
  }
  auto tooShort = Bytes("0x00");
  FormatHexField(1, tooShort, 0);
  EXPECT_EQ(std::string(tooShort.begin(), tooShort.end()), "0x00");
}

}  // namespace
}  // namespace zelvan
