// The main window's opening, its modified rule and its close procedure.
#include <gtest/gtest.h>

#include <string>

#include "support/editor_session.h"
#include "support/startup_xml.h"

namespace zelvan {
namespace {

using testing::DriveOutput;

class MainWindowTest : public ::testing::Test {
 protected:
  void UseGoodFile() {
    original = testing::MakeStartupXml();
    session.WriteBytes("STARTUP.XML", original);
    session.UseStartupFile("STARTUP.XML");
  }
  bool FileUnchanged() const { return session.ReadBytes("STARTUP.XML") == original; }

  testing::EditorSession session;
  std::vector<std::uint8_t> original;
};

TEST_F(MainWindowTest, StoredPathWhoseFileIsGoneIsForgottenQuietly) {
  session.WriteIni("; mine\n[FILE]\nPATH=" + session.file("GONE.XML").string() + "\nCHARA=x\n");
  std::string script = "show 1000\n";
  for (int button : {5, 10, 11, 12, 13}) script += "show " + std::to_string(button) + "\n";
  const DriveOutput run = session.Run(script + "doc\nclose\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(run.Has("message"));
  EXPECT_TRUE(run.Has("control 1000 text=\"\""));
  for (int button : {5, 10, 11, 12, 13}) {
    EXPECT_NE(testing::ShownLine(run, button).find(" enabled=0 "), std::string::npos) << button;
  }
  EXPECT_TRUE(run.Has("doc modified=0 valueSet=0 checkRange=1 useFlashAir=0 startupPath=\"\""));
  EXPECT_TRUE(run.Has("end 102 cancel\nexit\n"));
  EXPECT_EQ(testing::ReadText(session.ini()), "; mine\n[FILE]\nPATH=\nCHARA=x\n");
}

TEST_F(MainWindowTest, EveryValueBoxChangeMarksTheDocumentModified) {
  UseGoodFile();
  for (const std::string action :
       {"type 1004 36", "type 1000 4", "spin 1005 up", "answer yes\nclick 6", "type 1042 x"}) {
    const DriveOutput run = session.Run("doc\n" + action + "\ndoc\n");
    EXPECT_TRUE(run.Has("doc modified=0")) << action;
    EXPECT_TRUE(run.Has("doc modified=1")) << action;
  }
  // A failed read clears the boxes, which leaves the document modified.
  const DriveOutput failed =
      session.Run("file " + session.file("MISSING.XML").string() + "\nclick 4\ndoc\n");
  EXPECT_TRUE(failed.Has("message 103"));
  EXPECT_TRUE(failed.Has("doc modified=1"));
}

TEST_F(MainWindowTest, CloseQuestionAfterTyping) {
  UseGoodFile();
  const DriveOutput cancel = session.Run("type 1004 40\nanswer cancel\nclose\nshow 1004\n");
  EXPECT_TRUE(
      cancel.Has("message 116 question yesnocancel \"値が変更されています。\\n設定ファイル"
                 "に書出しますか？\\nいいえを答えると変更した値が破棄されます。\" -> cancel\n"
                 "control 1004 text=\"40\""));
  EXPECT_FALSE(cancel.Has("exit"));

  const DriveOutput no = session.Run("type 1004 40\nanswer no\nclose\n");
  EXPECT_TRUE(no.Has("-> no\nend 102 cancel\nexit\n"));
  EXPECT_TRUE(FileUnchanged());

  const DriveOutput yes = session.Run("type 1004 40\nanswer yes\nclose\n");
  EXPECT_TRUE(
      yes.Has("-> yes\nmessage 109 exclamation ok \"設定ファイルの書出しに成功しました\" -> ok\n"
              "end 102 cancel\nexit\n"));
  EXPECT_FALSE(FileUnchanged());
}

// Yes to the close question asks for the values to be saved: when that fails, the window
// stays open rather than throwing them away.
TEST_F(MainWindowTest, CloseWithAFailingWriteStaysOpen) {
  UseGoodFile();
  const DriveOutput run =
      session.Run("type 1006 abc\nanswer yes\nclose\nshow 1006\nanswer no\nclose\n");
  EXPECT_TRUE(
      run.Has("-> yes\nmessage 107 exclamation ok \"値は10進数で指定してください\" -> ok\n"
              "control 1006 text=\"abc\" checked=0 enabled=1 visible=1 focus=1\n"
              "message 116"));
  EXPECT_TRUE(run.Has("-> no\nend 102 cancel\nexit\n"));
  EXPECT_TRUE(FileUnchanged());
}

// Until a file has been read in this run, the image is no copy of any file and is never
// written.
TEST_F(MainWindowTest, NothingIsWrittenBeforeAFileWasRead) {
  session.WriteIni("[REMOTE]\nFLASH_AIR=0\n");
  std::string script = "type 1000 3\n";
  for (int box = 1004; box <= 1042; box += 2) script += "type " + std::to_string(box) + " 0\n";
  const DriveOutput run = session.Run(script + "answer yes\nclose\nanswer no\nclose\n");
  EXPECT_TRUE(
      run.Has("-> yes\nmessage 105 exclamation ok \"設定ファイルに書出し失敗しました\" -> ok\n"
              "message 116"));
  EXPECT_TRUE(run.Has("exit\n"));
}

TEST_F(MainWindowTest, OpeningWithoutAConfigurationAsksNothingOnClose) {
  const DriveOutput run = session.Run("show 1044\nshow 1003\nshow 1048\nclose\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.Has("control 1044 text=\"原点補正値\" checked=1"));
  EXPECT_TRUE(run.Has("control 1003 text=\"変更範囲制限\" checked=1"));
  EXPECT_TRUE(run.Has("control 1048 text=\"FlashAir\" checked=0"));
  EXPECT_FALSE(run.Has("message"));
  EXPECT_FALSE(std::filesystem::exists(session.ini()));
}

TEST_F(MainWindowTest, ClosingResetsAnExistingLocalServoLogOnly) {
  std::filesystem::create_directories(session.file("robot/ADDON"));
  session.WriteIni("[REMOTE]\nFOLDER_DIRECTORY=" + session.file("robot/").string() + "\n");
  session.Run("close\n");
  EXPECT_FALSE(std::filesystem::exists(session.file("robot/ADDON/SERVO.LOG")))
      << "no servo log is created";
  session.WriteBytes("robot/ADDON/SERVO.LOG", std::vector<std::uint8_t>(128, 7));
  session.Run("close\n");
  EXPECT_EQ(session.ReadBytes("robot/ADDON/SERVO.LOG"), std::vector<std::uint8_t>(128, 0));
}

}  // namespace
}  // namespace zelvan
