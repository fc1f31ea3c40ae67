#include "headless/drive.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "resources/dialog_templates.h"
#include "support/editor_session.h"
#include "support/temp_dir.h"

namespace zelvan::headless {
namespace {

using testing::TempDir;

const std::string kOpenMain = "open 102 \"ネルカ設定ファイルエディター\"\n";

using DriveRun = testing::DriveOutput;

class DriveTest : public ::testing::Test {
 protected:
  DriveRun Script(const std::string& script) { return session.Run(script); }

  testing::EditorSession session;
  std::filesystem::path ini = session.ini();
};

TEST_F(DriveTest, CloseEndsTheProgram) {
  const DriveRun run = Script("close\n");
  EXPECT_EQ(run.status, kDriveOk);
  EXPECT_EQ(run.out, kOpenMain + "end 102 cancel\nexit\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(DriveTest, LinesAfterTheProgramEndedAreNotRun) {
  const DriveRun run = Script("close\nnot a command\n");
  EXPECT_EQ(run.status, kDriveOk);
  EXPECT_TRUE(run.out.ends_with("exit\n"));
}

TEST_F(DriveTest, ScriptEndingWithTheWindowOpenStopsWithoutClosing) {
  const DriveRun run = Script("# nothing but a comment\n\n");
  EXPECT_EQ(run.status, kDriveOk);
  EXPECT_EQ(run.out, kOpenMain);
}

TEST_F(DriveTest, ShowWorksForEveryControlOfTheMainWindow) {
  std::string script;
  std::vector<int> ids;
  for (const auto& control : resources::MainWindowTemplate().controls) {
    if (control.id == ui::kStaticId) continue;
    ids.push_back(control.id);
    script += "show " + std::to_string(control.id) + "\n";
  }
  const DriveRun run = Script(script);
  ASSERT_EQ(run.status, kDriveOk) << run.err;
  std::istringstream lines(run.out);
  std::string line;
  std::getline(lines, line);  // the open line
  for (int id : ids) {
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_TRUE(line.starts_with("control " + std::to_string(id) + " text=")) << line;
  }
  EXPECT_NE(run.out.find("control 5 text=\"書出し\" checked=0 enabled=0 visible=1 focus=0\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("control 1044 text=\"原点補正値\" checked=1"), std::string::npos);
  EXPECT_NE(run.out.find("control 1001 text=\"\" checked=0 enabled=1 visible=1 focus=0 "
                         "range=0..7\n"),
            std::string::npos);
}

TEST_F(DriveTest, ScriptErrorsExitWithThree) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"clik 4\n", "error: not a command: clik 4\n"},
      {"answer yes\n", "error: the script ended with queued answers that were never used\n"},
      {"file /tmp/x\nclose\n",
       "error: the script ended with queued answers that were never used\n"},
  };
  for (const auto& c : cases) {
    const DriveRun run = Script(c.script);
    EXPECT_EQ(run.status, kDriveScriptError) << c.script;
    EXPECT_EQ(run.err, c.error) << c.script;
  }
}

TEST_F(DriveTest, ActionsOnUnusableControlsAreReportedAsIgnored) {
  const DriveRun run = Script("click 5\ntype 9999 1\nspin 1004 up\nclick 1000\n");
  EXPECT_EQ(run.status, kDriveOk);
  EXPECT_EQ(run.out, kOpenMain +
                         "ignored click 5\nignored type 9999 1\nignored spin 1004 up\n"
                         "ignored click 1000\n");
}

TEST_F(DriveTest, AboutOpensTheAboutBoxOverTheMainWindow) {
  const DriveRun run = Script("about\nabout\nshow 1\nclose\nshow 2\n");
  EXPECT_EQ(run.status, kDriveOk);
  EXPECT_EQ(run.out, kOpenMain +
                         "open 100 \"バージョン情報 Zelvan\"\n"
                         "ignored about\n"
                         "control 1 text=\"OK\" checked=0 enabled=1 visible=1 focus=1\n"
                         "end 100 cancel\n"
                         "control 2 text=\"閉じる\" checked=0 enabled=1 visible=1 focus=1\n");
}

TEST_F(DriveTest, DocumentTakesItsOptionsFromTheConfigurationFile) {
  const struct {
    const char* ini;
    const char* expected;
  } cases[] = {
      {nullptr, "checkRange=1 useFlashAir=0"},
      {"[RANGE]\nCHECK_RANGE=0\n", "checkRange=0"},
      {"[RANGE]\nCHECK_RANGE=2\n", "checkRange=0"},
      {"[range]\ncheck_range=1\n", "checkRange=1"},
      {"[REMOTE]\nFLASH_AIR=1\n", "useFlashAir=1"},
      {"[REMOTE]\nFLASH_AIR=2\n", "useFlashAir=0"},
      {"[REMOTE]\nSERVO_SPEED=25\nFOLDER_DIRECTORY=/media/robot/\n",
       "remoteFolder=\"/media/robot/\" remoteColourCount=0 servoSpeed=25"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(ini);
    if (c.ini) testing::WriteText(ini, c.ini);
    const DriveRun run = Script("doc\n");
    ASSERT_EQ(run.status, kDriveOk) << run.err;
    EXPECT_NE(run.out.find(c.expected), std::string::npos) << run.out;
  }
  std::filesystem::remove(ini);
  EXPECT_EQ(Script("doc\n").out,
            kOpenMain +
                "doc modified=0 valueSet=0 checkRange=1 useFlashAir=0 startupPath=\"\" "
                "startupLength=0 charaPath=\"\" charaLength=0 programPath=\"\" programEdition=1 "
                "programLength=0 idleBlockInstalled=0 remoteFolder=\"\" remoteColourCount=0 "
                "servoSpeed=10\n");
  EXPECT_FALSE(std::filesystem::exists(ini)) << "reading creates no configuration file";
}

TEST_F(DriveTest, FlashAirBoxWritesItsKeyAtOnce) {
  testing::WriteText(ini, "; hand-written\n[REMOTE]\nFLASH_AIR=1\nOTHER=x\n");
  const DriveRun run = Script("show 1048\nclick 1048\ndoc\n");
  EXPECT_NE(run.out.find("control 1048 text=\"FlashAir\" checked=1"), std::string::npos);
  EXPECT_NE(run.out.find("useFlashAir=0"), std::string::npos);
  EXPECT_EQ(testing::ReadText(ini), "; hand-written\n[REMOTE]\nFLASH_AIR=0\nOTHER=x\n");
}

TEST(DriveMainTest, ArgumentsAndExitStatus) {
  TempDir dir;
  testing::WriteText(dir / "script", "close\n");
  const std::string ini = (dir / "Zelvan.ini").string();
  const std::string script = (dir / "script").string();
  const std::string missing = (dir / "missing").string();
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"--ini", ini, script}, kDriveOk},
      {{"--bogus"}, kDriveBadArguments},
      {{"--ini"}, kDriveBadArguments},
      {{"--ini", ini, missing}, kDriveBadArguments},
      {{"--ini", ini, script, script}, kDriveBadArguments},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"zelvan-drive"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(DriveMain(static_cast<int>(argv.size()), argv.data(), in, out, err), c.status)
        << args.size() << " arguments: " << err.str();
  }
}

}  // namespace
}  // namespace zelvan::headless
