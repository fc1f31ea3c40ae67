#include "headless/script_line.h"

#include <gtest/gtest.h>

namespace zelvan::headless {
namespace {

TEST(ScriptLine, ParsesEveryCommand) {
  auto type = ParseScriptLine("type 1004 -5 and more");
  ASSERT_TRUE(type);
  EXPECT_EQ(type->verb, Verb::Type);
  EXPECT_EQ(type->id, 1004);
  EXPECT_EQ(type->text, "-5 and more");

  auto empty = ParseScriptLine("type 1004 ");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->text, "");
  EXPECT_TRUE(ParseScriptLine("type 1004"));

  auto spin = ParseScriptLine("spin 1005 down 3");
  ASSERT_TRUE(spin);
  EXPECT_EQ(spin->count, -3);
  EXPECT_EQ(ParseScriptLine("spin 1005 up")->count, 1);

  EXPECT_EQ(ParseScriptLine("select 1070 4")->count, 4);
  EXPECT_EQ(ParseScriptLine("answer cancel")->answer, ui::Answer::Cancel);
  EXPECT_EQ(ParseScriptLine("file /tmp/a b/STARTUP.XML")->text, "/tmp/a b/STARTUP.XML");
  EXPECT_TRUE(ParseScriptLine("file cancel")->cancel);
  EXPECT_EQ(ParseScriptLine("colour 255 128 0")->colour, (ui::Rgb{255, 128, 0}));
  EXPECT_TRUE(ParseScriptLine("colour cancel")->cancel);
  EXPECT_EQ(ParseScriptLine("close")->verb, Verb::Close);
  EXPECT_EQ(ParseScriptLine("about")->verb, Verb::About);
  EXPECT_EQ(ParseScriptLine("doc")->verb, Verb::Doc);
  EXPECT_EQ(ParseScriptLine("show 2")->id, 2);
}

TEST(ScriptLine, RefusesWhatIsNotACommand) {
  for (const char* line : {"clik 4", "click", "click x", "click 4 5", "spin 1005 sideways",
                           "spin 1005 up 0", "select 1070", "answer maybe", "file", "colour 1 2",
                           "colour 1 2 256", "close now", "show", "doc 1"}) {
    EXPECT_FALSE(ParseScriptLine(line)) << line;
  }
}

TEST(ScriptLine, SkipsBlanksAndComments) {
  EXPECT_FALSE(IsCommandLine(""));
  EXPECT_FALSE(IsCommandLine("   "));
  EXPECT_FALSE(IsCommandLine("# click 4"));
  EXPECT_FALSE(IsCommandLine("  # indented comment"));
  EXPECT_TRUE(IsCommandLine("click 4"));
}

}  // namespace
}  // namespace zelvan::headless
