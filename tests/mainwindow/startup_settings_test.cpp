// Reading and writing STARTUP.XML through the main window, on the folder road.
#include <gtest/gtest.h>

#include <string>

#include "support/editor_session.h"
#include "support/startup_xml.h"

namespace zelvan {
namespace {

using testing::DriveOutput;
using testing::MakeStartupXml;
using testing::ShownText;
using testing::StartupXml;

class StartupSettingsTest : public ::testing::Test {
 protected:
  // Starts the editor on a file made from recipe, stored as STARTUP.XML.
  DriveOutput OpenWith(const StartupXml& recipe, const std::string& script) {
    original = MakeStartupXml(recipe);
    session.WriteBytes("STARTUP.XML", original);
    session.UseStartupFile("STARTUP.XML");
    return session.Run(script);
  }
  std::vector<std::uint8_t> Written() const { return session.ReadBytes("STARTUP.XML"); }

  // The positions where the written file differs from the original.
  std::vector<std::size_t> ChangedBytes() const {
    const auto written = Written();
    std::vector<std::size_t> changed;
    EXPECT_EQ(written.size(), original.size());
    for (std::size_t i = 0; i < std::min(written.size(), original.size()); ++i) {
      if (written[i] != original[i]) changed.push_back(i);
    }
    return changed;
  }
  std::string FieldAt(std::size_t position) const {
    const auto written = Written();
    return std::string(written.begin() + position, written.begin() + position + 6);
  }

  testing::EditorSession session;
  std::vector<std::uint8_t> original;
};

TEST_F(StartupSettingsTest, OpeningShowsTheFileAndWritingChangesOnlyEditedFields) {
  const DriveOutput run = OpenWith({},
                                   "show 1000\nshow 1004\nshow 1042\nshow 5\nshow 12\n"
                                   "show 13\ndoc\ntype 1004 40\ntype 1000 7\nclick 5\ndoc\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Has("control 1000 text=\"3\""));
  EXPECT_TRUE(run.Has("control 1004 text=\"35\""));    // 25 + 10
  EXPECT_TRUE(run.Has("control 1042 text=\"-405\""));  // -415 + 10
  EXPECT_TRUE(run.Has("control 5 text=\"書出し\" checked=0 enabled=1"));
  EXPECT_TRUE(run.Has("control 12 text=\"設定値取込\" checked=0 enabled=1"));
  EXPECT_TRUE(run.Has("control 13 text=\"起動プログラム\" checked=0 enabled=1"));
  EXPECT_TRUE(run.Has("doc modified=0 valueSet=0 checkRange=1 useFlashAir=0 startupPath=\"" +
                      session.file("STARTUP.XML").string() + "\" startupLength=8000"));
  EXPECT_TRUE(
      run.Has("message 109 exclamation ok \"設定ファイルの書出しに成功しました\" -> ok\n"
              "doc modified=0"));
  EXPECT_EQ(FieldAt(1227), "0x0028");
  EXPECT_EQ(FieldAt(202), "0x0007");
  // Only the digits that differ: 0x0003 -> 0x0007, 0x0023 -> 0x0028.
  EXPECT_EQ(ChangedBytes(), (std::vector<std::size_t>{207, 1232}));
}

TEST_F(StartupSettingsTest, SecondLayoutDecodesAtItsOwnOffsets) {
  StartupXml recipe{.length = testing::kLayoutBLength, .attenuator = 5};
  const DriveOutput run = OpenWith(recipe, "show 1000\nshow 1004\ntype 1004 -5\nclick 5\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ShownText(run, 1000), "5");
  EXPECT_EQ(ShownText(run, 1004), "35");
  EXPECT_EQ(FieldAt(1232), "0xfffb");
  EXPECT_EQ(ChangedBytes().size(), 4u);  // 0x0023 -> 0xfffb
}

TEST_F(StartupSettingsTest, FileWithoutAttenuatorKeepsItsMarker) {
  const DriveOutput run =
      OpenWith({.attenuator = std::nullopt}, "show 1000\nshow 1001\ntype 1004 36\nclick 5\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Has("control 1000 text=\"\" checked=0 enabled=0"));
  EXPECT_TRUE(run.Has("control 1001 text=\"\" checked=0 enabled=0"));
  EXPECT_EQ(ChangedBytes(), (std::vector<std::size_t>{1232}));  // nothing at 202 or 220

  // A file with an attenuator read afterwards enables the box again.
  session.WriteBytes("OTHER.XML", MakeStartupXml());
  const DriveOutput again =
      session.Run("file " + session.file("OTHER.XML").string() + "\nclick 4\nshow 1000\n");
  EXPECT_TRUE(again.Has("control 1000 text=\"3\" checked=0 enabled=1"));
}

TEST_F(StartupSettingsTest, ValueSetsUseTheirOwnFields) {
  const DriveOutput run = OpenWith({},
                                   "click 1045\nshow 1004\ntype 1004 40000\nclick 5\n"
                                   "click 1046\nshow 1004\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Has("control 1004 text=\"-1000\""));
  EXPECT_EQ(FieldAt(1227 + 7), "0x9c40");  // no range test outside value set 0
  EXPECT_EQ(ShownText(run, 1004), "1000");
}

TEST_F(StartupSettingsTest, UpperCaseDigitsAreRefused) {
  auto file = MakeStartupXml();
  const std::string upper = "0xFFFB";
  std::copy(upper.begin(), upper.end(), file.begin() + 1566);  // servo 3
  session.WriteBytes("STARTUP.XML", file);
  const DriveOutput run = session.Run("file " + session.file("STARTUP.XML").string() +
                                      "\nclick 4\nshow 1004\nshow 5\n");
  EXPECT_TRUE(run.Has("message 104 exclamation ok \"間違った設定値が書かれています\" -> ok"));
  // The failed read clears the boxes and disables the write.
  EXPECT_TRUE(run.Has("control 1004 text=\"\""));
  EXPECT_TRUE(run.Has("control 5 text=\"書出し\" checked=0 enabled=0"));
}

TEST_F(StartupSettingsTest, ValueBoxValidation) {
  const struct {
    int box;
    const char* text;
    const char* message;  // nothing: accepted
  } cases[] = {
      {1004, "", "message 106 exclamation ok \"数字が入力されていません\""},
      {1004, "+5", "message 107 exclamation ok \"値は10進数で指定してください\""},
      {1004, "1,000", "message 107"},
      {1004, " 5", "message 107"},
      {1004, "5-", "message 107"},
      {1004, "-", nullptr},  // accepted as 0
      {1008, "-450", nullptr},
      {1008, "-149", "message 108"},
      {1008, "-451", "message 108 exclamation ok \"数字が範囲(-450～-150)を越えています\""},
      {1000, "8", "message 108 exclamation ok \"数字が範囲(0～7)を越えています\""},
  };
  for (const auto& c : cases) {
    const DriveOutput run = OpenWith({}, "type " + std::to_string(c.box) + " " + c.text +
                                             "\nclick 5\nshow " + std::to_string(c.box) + "\n");
    if (c.message) {
      EXPECT_TRUE(run.Has(c.message)) << c.box << " \"" << c.text << "\"\n" << run.out;
      EXPECT_FALSE(run.Has("message 109")) << c.text;
      EXPECT_TRUE(run.Has("focus=1\n")) << "the failing box has the focus: " << c.text;
      EXPECT_TRUE(ChangedBytes().empty()) << "nothing written: " << c.text;
    } else {
      EXPECT_TRUE(run.Has("message 109")) << c.box << " \"" << c.text << "\"\n" << run.out;
    }
  }
}

TEST_F(StartupSettingsTest, FailedImportForgetsThePathAndWritesNothing) {
  auto bad = MakeStartupXml();
  bad[4284 + 3] = 'Z';  // servo 11
  session.WriteBytes("BAD.XML", bad);
  const DriveOutput run =
      OpenWith({}, "file " + session.file("BAD.XML").string() + "\nclick 12\ndoc\nclick 5\n");
  EXPECT_TRUE(run.Has("message 104"));
  EXPECT_TRUE(
      run.Has("doc modified=1 valueSet=0 checkRange=1 useFlashAir=0 startupPath=\"\" "
              "startupLength=8000"));
  EXPECT_TRUE(run.Has("message 105"));
  EXPECT_TRUE(ChangedBytes().empty());
}

TEST_F(StartupSettingsTest, ImportTakesValuesIntoTheHeldFile) {
  StartupXml other;
  other.values[0][0] = 100;
  session.WriteBytes("OTHER.XML", MakeStartupXml(other));
  const DriveOutput run = OpenWith(
      {}, "file " + session.file("OTHER.XML").string() + "\nclick 12\nshow 1004\ndoc\nclick 5\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ShownText(run, 1004), "100");
  EXPECT_TRUE(run.Has("doc modified=1 valueSet=0 checkRange=1 useFlashAir=0 startupPath=\"" +
                      session.file("STARTUP.XML").string() + "\" startupLength=8000"));
  EXPECT_EQ(FieldAt(1227), "0x0064");
  EXPECT_EQ(testing::ReadText(session.ini()),
            "[FILE]\nPATH=" + session.file("STARTUP.XML").string() + "\n");
}

TEST_F(StartupSettingsTest, OversizeFileIsRefusedOnReadButImportedFromItsHead) {
  session.WriteBytes("BIG.XML", MakeStartupXml({.length = 24577}));
  const DriveOutput read =
      OpenWith({}, "file " + session.file("BIG.XML").string() + "\nclick 4\ndoc\n");
  EXPECT_TRUE(read.Has("message 103 exclamation ok \"設定ファイル読込みに失敗しました\""));
  EXPECT_TRUE(read.Has("startupPath=\"\" startupLength=8000"));

  const DriveOutput import =
      OpenWith({}, "file " + session.file("BIG.XML").string() + "\nclick 12\n");
  EXPECT_FALSE(import.Has("message 10")) << import.out;
}

// A file too short for the fields decoded is refused, never decoded from whatever the image
// held beyond its end.
TEST_F(StartupSettingsTest, ShortFilesAreRefused) {
  const struct {
    std::size_t length;
    int message;
  } cases[] = {{0, 103}, {205, 103}, {1300, 104}, {7719, 104}};
  for (const auto& c : cases) {
    auto shortFile = MakeStartupXml();
    shortFile.resize(c.length);
    session.WriteBytes("SHORT.XML", shortFile);
    const DriveOutput run =
        OpenWith({}, "file " + session.file("SHORT.XML").string() + "\nclick 4\ndoc\n");
    EXPECT_TRUE(run.Has("message " + std::to_string(c.message) + " ")) << c.length;
    EXPECT_TRUE(run.Has("startupLength=8000")) << c.length;
  }
}

TEST_F(StartupSettingsTest, CancelledFileDialogChangesNothing) {
  const DriveOutput run = OpenWith({}, "file cancel\nclick 4\nshow 1004\ndoc\n");
  EXPECT_TRUE(
      run.Has("file filter=\"ﾈﾙｶ設定ﾌｧｲﾙ|STARTUP.XML||\" name=\"STARTUP.XML\" "
              "ext=\"XML\" folder=\"" +
              session.file("").parent_path().string() + "\" -> cancel\n"));
  EXPECT_EQ(ShownText(run, 1004), "35");
  EXPECT_TRUE(run.Has("doc modified=0"));
}

}  // namespace
}  // namespace zelvan
