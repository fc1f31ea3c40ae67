// Value sets, the range limit, spin ranges and standard values in the main window.
#include <gtest/gtest.h>

#include <string>

#include "support/editor_session.h"
#include "support/startup_xml.h"

namespace zelvan {
namespace {

using testing::DriveOutput;
using testing::ShownText;

class ValueRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session.WriteBytes("STARTUP.XML", testing::MakeStartupXml());
    session.UseStartupFile("STARTUP.XML");
  }
  std::string FieldAt(std::size_t position) const {
    const auto bytes = session.ReadBytes("STARTUP.XML");
    return std::string(bytes.begin() + position, bytes.begin() + position + 6);
  }
  testing::EditorSession session;
};

TEST_F(ValueRulesTest, SpinRangesFollowTheLimitAndTheValueSet) {
  const DriveOutput run = session.Run(
      "show 1035\nshow 1041\nclick 1045\nshow 1003\nshow 1035\nclick 1044\nshow 1003\n"
      "show 1041\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(
      run.Has("control 1035 text=\"\" checked=0 enabled=1 visible=1 focus=0 "
              "range=460..760\ncontrol 1041 text=\"\" checked=0 enabled=1 visible=1 "
              "focus=0 range=-740..-440\n"));
  EXPECT_TRUE(run.Has("control 1003 text=\"変更範囲制限\" checked=1 enabled=0"));
  EXPECT_TRUE(run.Has("range=-1500..1500\n"));
  EXPECT_TRUE(run.Has("control 1003 text=\"変更範囲制限\" checked=1 enabled=1"));
  EXPECT_NE(run.out.find("focus=0 range=-740..-440\n", run.out.rfind("control 1041")),
            std::string::npos);
}

TEST_F(ValueRulesTest, TurningTheLimitOffAsksAndIsStoredAtOnce) {
  const DriveOutput no = session.Run("answer no\nclick 1003\nshow 1003\nshow 1035\ndoc\n");
  EXPECT_TRUE(no.Has("message 115 question yesno \"このチェックを外すと標準値±15°を越えて"));
  EXPECT_TRUE(no.Has("control 1003 text=\"変更範囲制限\" checked=1"));
  EXPECT_TRUE(no.Has("range=460..760"));
  EXPECT_TRUE(no.Has("checkRange=1"));
  EXPECT_EQ(testing::ReadText(session.ini()).find("CHECK_RANGE"), std::string::npos);

  const DriveOutput yes = session.Run("answer yes\nclick 1003\nshow 1035\ndoc\n");
  EXPECT_TRUE(yes.Has("range=-1500..1500"));
  EXPECT_TRUE(yes.Has("checkRange=0"));
  EXPECT_NE(testing::ReadText(session.ini()).find("[RANGE]\nCHECK_RANGE=0\n"), std::string::npos);

  // Turning it on again asks nothing.
  const DriveOutput on = session.Run("click 1003\nshow 1035\n");
  EXPECT_FALSE(on.Has("message"));
  EXPECT_TRUE(on.Has("range=460..760"));
}

TEST_F(ValueRulesTest, SpinArrowsPassNineHundredNinetyNineWithoutGrouping) {
  const DriveOutput run =
      session.Run("answer yes\nclick 1003\ntype 1004 998\nspin 1005 up 3\nshow 1004\nclick 5\n");
  EXPECT_EQ(ShownText(run, 1004), "1001");
  EXPECT_TRUE(run.Has("message 109"));
  EXPECT_EQ(FieldAt(1227), "0x03e9");
}

TEST_F(ValueRulesTest, RestoringStandardValues) {
  const struct {
    std::string selectSet;
    int message;
    std::string boxText;
    std::size_t shift;
    std::string field;
  } cases[] = {
      {"", 110, "25", 0, "0x0019"},
      {"click 1045\n", 142, "-32767", 7, "0x8001"},
      {"click 1046\n", 142, "32767", 14, "0x7fff"},
  };
  for (const auto& c : cases) {
    session.WriteBytes("STARTUP.XML", testing::MakeStartupXml());
    const DriveOutput run =
        session.Run(c.selectSet + "answer yes\nclick 6\nshow 1004\ndoc\nclick 5\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.Has("message " + std::to_string(c.message) + " question yesno")) << c.message;
    EXPECT_EQ(ShownText(run, 1004), c.boxText);
    EXPECT_TRUE(run.Has("doc modified=1"));
    for (std::size_t i = 0; i < 20; ++i) {
      const auto position = static_cast<std::size_t>(testing::kOriginFieldOffsets[i]) + c.shift;
      if (c.shift == 0) {
        EXPECT_EQ(FieldAt(position), testing::HexField(testing::kStandardValues[i])) << i;
      } else {
        EXPECT_EQ(FieldAt(position), c.field) << "servo index " << i;
      }
    }
  }
  const DriveOutput declined = session.Run("answer no\nclick 6\nshow 1004\ndoc\n");
  EXPECT_EQ(ShownText(declined, 1004), "35");  // the file's origin correction, unchanged
  EXPECT_TRUE(declined.Has("doc modified=0"));
}

TEST_F(ValueRulesTest, SwitchingWithUnsavedValuesOffersToSave) {
  const DriveOutput no = session.Run(
      "type 1004 50\nanswer no\nclick 1045\nshow 1004\nclick 1044\n"
      "show 1004\n");
  EXPECT_TRUE(no.Has("message 116 question yesno "));
  EXPECT_EQ(ShownText(no, 1004), "35");  // the change was discarded
  const DriveOutput yes = session.Run("type 1004 50\nanswer yes\nclick 1045\nshow 1004\n");
  EXPECT_TRUE(yes.Has("message 109"));
  EXPECT_EQ(FieldAt(1227), "0x0032");
  EXPECT_EQ(ShownText(yes, 1004), "-1000");
}

// When the re-read of a value-set switch fails, the boxes must not keep the old set's
// values, or the next write would store them in the new set's fields.
TEST_F(ValueRulesTest, FailedReReadClearsTheBoxes) {
  auto broken = testing::MakeStartupXml();
  broken[1227 + 7 + 2] = 'Z';  // servo 2's lower limit
  session.WriteBytes("STARTUP.XML", broken);
  const DriveOutput run = session.Run("show 1004\nclick 1045\nshow 1004\nshow 1006\nshow 5\n");
  EXPECT_TRUE(run.Has("control 1004 text=\"35\""));
  EXPECT_TRUE(run.Has("message 104"));
  EXPECT_EQ(ShownText(run, 1004), "");
  EXPECT_EQ(ShownText(run, 1006), "");
  EXPECT_TRUE(run.Has("control 5 text=\"書出し\" checked=0 enabled=0"));
}

}  // namespace
}  // namespace zelvan
