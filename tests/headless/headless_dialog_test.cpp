#include "headless/headless_dialog.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "resources/control_builders.h"

namespace zelvan::headless {
namespace {

using namespace resources::build;

// A small dialog with one control of each kind; the static between two radios must not
// split their group.
constexpr std::array kControls = std::to_array<ui::ControlTemplate>({
    Button(2, "閉じる", {0, 0, 40, 14}),
    CheckBox(10, "check", {0, 20, 40, 10}),
    FirstRadio(20, "a", {0, 40, 40, 10}),
    Label("between", {0, 50, 40, 8}),
    Radio(21, "b", {0, 60, 40, 10}),
    FirstRadio(30, "other group", {0, 70, 40, 10}),
    Edit(40, {50, 0, 30, 12}),
    Spin(41, 40, {80, 0, 10, 12}),
    DigitsEdit(50, {50, 20, 30, 12}),
    DropDown(60, {50, 40, 40, 12}),
    Disabled(Button(70, "disabled", {50, 60, 40, 14})),
    Hidden(CheckBox(80, "hidden", {50, 80, 40, 10})),
    Label(90, "label", {50, 100, 40, 8}),
});

constexpr ui::DialogTemplate kDialog{
    .id = 500, .title = "test", .rect = {0, 0, 120, 120}, .controls = kControls};

struct Event {
  int id;
  ui::Notification notification;
  bool checked;  // the control's state when the handler ran
  std::string text;
};

class Recorder : public ui::DialogController {
 public:
  void OnCommand(ui::Dialog& dialog, int id, ui::Notification notification) override {
    events.push_back({id, notification, dialog.IsChecked(id), dialog.Text(id)});
  }
  std::vector<Event> events;
};

class HeadlessDialogTest : public ::testing::Test {
 protected:
  Recorder recorder;
  HeadlessDialog dialog{kDialog, recorder};
};

TEST_F(HeadlessDialogTest, CheckBoxTogglesBeforeItsHandlerRuns) {
  ASSERT_TRUE(dialog.Click(10));
  ASSERT_TRUE(dialog.Click(10));
  ASSERT_EQ(recorder.events.size(), 2u);
  EXPECT_TRUE(recorder.events[0].checked);
  EXPECT_FALSE(recorder.events[1].checked);
  EXPECT_EQ(recorder.events[0].notification, ui::Notification::Clicked);
}

TEST_F(HeadlessDialogTest, RadioClearsOnlyItsOwnGroup) {
  dialog.SetChecked(20, true);
  dialog.SetChecked(30, true);
  ASSERT_TRUE(dialog.Click(21));
  EXPECT_FALSE(dialog.IsChecked(20));
  EXPECT_TRUE(dialog.IsChecked(21));
  EXPECT_TRUE(dialog.IsChecked(30)) << "the next group is untouched";
  EXPECT_TRUE(recorder.events.back().checked);
  // Clicking the selected radio again still runs its handler.
  ASSERT_TRUE(dialog.Click(21));
  EXPECT_EQ(recorder.events.size(), 2u);
}

TEST_F(HeadlessDialogTest, ProgramStateChangesRunNoHandler) {
  dialog.SetChecked(20, true);
  dialog.SetChecked(21, true);  // two at once: the program may do that
  EXPECT_TRUE(dialog.IsChecked(20) && dialog.IsChecked(21));
  dialog.SetChecked(20, false);
  dialog.SetChecked(21, false);  // and none
  dialog.Enable(70, true);
  dialog.SetText(90, "new label");
  EXPECT_TRUE(recorder.events.empty());
  EXPECT_EQ(dialog.Text(90), "new label");
}

TEST_F(HeadlessDialogTest, EveryEditTextChangeNotifies) {
  dialog.SetText(40, "5");
  dialog.SetText(40, "5");  // unchanged text still notifies, as the real control does
  ASSERT_TRUE(dialog.Type(40, "abc"));
  ASSERT_EQ(recorder.events.size(), 3u);
  for (const auto& event : recorder.events) {
    EXPECT_EQ(event.id, 40);
    EXPECT_EQ(event.notification, ui::Notification::TextChanged);
  }
  EXPECT_EQ(recorder.events.back().text, "abc");
}

TEST_F(HeadlessDialogTest, DigitsOnlyBoxDropsOtherCharacters) {
  ASSERT_TRUE(dialog.Type(50, "-12a3 4"));
  EXPECT_EQ(dialog.Text(50), "1234");
}

TEST_F(HeadlessDialogTest, SpinStepsItsBuddyWithoutGrouping) {
  dialog.SetSpinRange(41, -1500, 1500);
  dialog.SetText(40, "999");
  recorder.events.clear();
  ASSERT_TRUE(dialog.PressSpin(41, +1));
  EXPECT_EQ(dialog.Text(40), "1000");
  ASSERT_EQ(recorder.events.size(), 1u);
  EXPECT_EQ(recorder.events[0].id, 40);
  // At the end of the range nothing changes, so nothing is notified.
  dialog.SetText(40, "1500");
  recorder.events.clear();
  ASSERT_TRUE(dialog.PressSpin(41, +1));
  EXPECT_EQ(dialog.Text(40), "1500");
  EXPECT_TRUE(recorder.events.empty());
}

TEST_F(HeadlessDialogTest, ActionsOnUnusableControlsAreRefused) {
  dialog.Show(80, false);
  EXPECT_FALSE(dialog.Click(70));   // disabled
  EXPECT_FALSE(dialog.Click(80));   // hidden
  EXPECT_FALSE(dialog.Click(999));  // absent
  EXPECT_FALSE(dialog.Click(40));   // an edit box is not clicked
  EXPECT_FALSE(dialog.Type(10, "x"));
  EXPECT_FALSE(dialog.PressSpin(40, 1));
  EXPECT_FALSE(dialog.Select(60, 0));  // no items yet
  dialog.Enable(40, false);
  EXPECT_FALSE(dialog.Type(40, "x"));
  EXPECT_TRUE(recorder.events.empty());
}

TEST_F(HeadlessDialogTest, ListSelectionNotifiesAndShowsTheItem) {
  dialog.AddListItem(60, "パターン0");
  dialog.AddListItem(60, "パターン1");
  EXPECT_EQ(dialog.ListSelection(60), -1);
  ASSERT_TRUE(dialog.Select(60, 1));
  EXPECT_EQ(dialog.ListSelection(60), 1);
  EXPECT_EQ(dialog.Text(60), "パターン1");
  EXPECT_EQ(recorder.events.back().notification, ui::Notification::SelectionChanged);
  EXPECT_FALSE(dialog.Select(60, 2));
}

TEST_F(HeadlessDialogTest, CloseIsCancelUnlessCancelIsDisabled) {
  ASSERT_TRUE(dialog.Close());
  EXPECT_EQ(recorder.events.back().id, ui::kIdCancel);
  dialog.Enable(2, false);
  EXPECT_FALSE(dialog.Close());
}

TEST_F(HeadlessDialogTest, FocusStartsOnTheFirstTabStopAndFollowsTheUser) {
  dialog.Initialise();
  EXPECT_NE(dialog.Describe(2).find("focus=1"), std::string::npos);
  dialog.Type(40, "1");
  EXPECT_NE(dialog.Describe(40).find("focus=1"), std::string::npos);
  EXPECT_NE(dialog.Describe(2).find("focus=0"), std::string::npos);
}

TEST_F(HeadlessDialogTest, DescribesStateAsTheDriverPrintsIt) {
  dialog.SetSpinRange(41, -740, -440);
  dialog.SetText(40, "a\"b\\c\nd");
  EXPECT_EQ(dialog.Describe(40),
            "control 40 text=\"a\\\"b\\\\c\\nd\" checked=0 enabled=1 visible=1 focus=0");
  EXPECT_EQ(dialog.Describe(41),
            "control 41 text=\"\" checked=0 enabled=1 visible=1 focus=0 range=-740..-440");
  dialog.AddListItem(60, "x");
  EXPECT_EQ(dialog.Describe(60),
            "control 60 text=\"\" checked=0 enabled=1 visible=1 focus=0 items=1 selected=-1");
  EXPECT_EQ(dialog.Describe(12345), "");
}

}  // namespace
}  // namespace zelvan::headless
