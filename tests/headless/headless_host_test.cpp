#include "headless/headless_host.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zelvan::headless {
namespace {

class HeadlessHostTest : public ::testing::Test {
 protected:
  std::ostringstream out;
  HeadlessHost host{out, [] { throw ScriptEnded{}; }};
};

TEST_F(HeadlessHostTest, OkMessagesAnswerThemselves) {
  EXPECT_EQ(host.Message(109, ui::MessageStyle::Report), ui::Answer::Ok);
  const std::string args[] = {"timeout"};
  host.Message(133, ui::MessageStyle::Report, args);
  EXPECT_EQ(out.str(),
            "message 109 exclamation ok \"設定ファイルの書出しに成功しました\" -> ok\n"
            "message 133 exclamation ok \"FlashAirとの通信に失敗しました[timeout]\" -> ok\n");
}

TEST_F(HeadlessHostTest, QuestionsTakeQueuedAnswersInOrder) {
  host.QueueAnswer(ui::Answer::Cancel);
  host.QueueAnswer(ui::Answer::Yes);
  EXPECT_EQ(host.Message(116, ui::MessageStyle::SaveQuestion), ui::Answer::Cancel);
  EXPECT_EQ(host.Message(115, ui::MessageStyle::Question), ui::Answer::Yes);
  EXPECT_TRUE(out.str().starts_with(
      "message 116 question yesnocancel \"値が変更されています。\\n設定ファイルに書出しますか？"));
  EXPECT_NE(out.str().find("message 115 question yesno "), std::string::npos);
  EXPECT_FALSE(host.HasUnusedAnswers());
}

TEST_F(HeadlessHostTest, QuestionWithoutAFittingAnswerIsAScriptError) {
  EXPECT_THROW(host.Message(116, ui::MessageStyle::SaveQuestion), ScriptError);
  host.QueueAnswer(ui::Answer::Ok);
  EXPECT_THROW(host.Message(115, ui::MessageStyle::Question), ScriptError);
  EXPECT_EQ(out.str(), "");
}

TEST_F(HeadlessHostTest, FileAndColourDialogsPrintTheirRequest) {
  host.QueueFile("/card/STARTUP.XML");
  host.QueueFile(std::nullopt);
  host.QueueColour(ui::Rgb{1, 2, 3});
  const ui::FileRequest request{.filter = "ﾈﾙｶ設定ﾌｧｲﾙ|STARTUP.XML||",
                                .defaultExtension = "XML",
                                .initialName = "STARTUP.XML"};
  EXPECT_EQ(host.OpenFile(request), "/card/STARTUP.XML");
  EXPECT_EQ(host.OpenFile(request), std::nullopt);
  EXPECT_EQ(host.PickColour({175, 70, 0}), (ui::Rgb{1, 2, 3}));
  EXPECT_THROW(host.PickColour({0, 0, 0}), ScriptError);
  EXPECT_EQ(out.str(),
            "file filter=\"ﾈﾙｶ設定ﾌｧｲﾙ|STARTUP.XML||\" name=\"STARTUP.XML\" ext=\"XML\" "
            "folder=\"\" -> \"/card/STARTUP.XML\"\n"
            "file filter=\"ﾈﾙｶ設定ﾌｧｲﾙ|STARTUP.XML||\" name=\"STARTUP.XML\" ext=\"XML\" "
            "folder=\"\" -> cancel\n"
            "colour 175,70,0 -> 1,2,3\n");
}

TEST_F(HeadlessHostTest, BusyScopesAreCounted) {
  {
    auto busy = host.Busy();
    EXPECT_EQ(host.BusyDepth(), 1);
  }
  EXPECT_EQ(host.BusyDepth(), 0);
  EXPECT_EQ(host.BusyCount(), 1);
}

}  // namespace
}  // namespace zelvan::headless
