#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>

#include "qt/dialog_widgets.h"
#include "qt/qt_dialog.h"
#include "qt/recording_controller.h"
#include "resources/dialog_templates.h"
#include "resources/string_table.h"

namespace zelvan::qt {
namespace {

using testing::Event;
using testing::RecordingController;
using ui::Notification;

// A click where a user would make it: on the indicator of a check box or radio (its
// middle may lie beyond a short caption), in the middle of anything else.
void UserClick(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  const bool indicator = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
  QTest::mouseClick(widget, Qt::LeftButton, {},
                    indicator ? QPoint(6, widget->height() / 2) : widget->rect().center());
}

class OpenDialog : public ::testing::Test {
 protected:
  QtDialog& Open(const ui::DialogTemplate& layout, QtDialogOptions options = {}) {
    dialog_ = std::make_unique<QtDialog>(layout, controller_, nullptr, options);
    dialog_->Initialise();
    dialog_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
    return *dialog_;
  }
  QWidget* At(int id) const { return dialog_->Widget(id); }
  QLineEdit* Box(int id) const { return qobject_cast<QLineEdit*>(At(id)); }
  std::vector<Event> Take() { return std::exchange(controller_.events, {}); }

  RecordingController controller_;
  std::unique_ptr<QtDialog> dialog_;
};

TEST_F(OpenDialog, ClicksReachTheControllerAfterTheControlsOwnChange) {
  controller_.onInit = [](ui::Dialog& dialog) { dialog.SetChecked(1044, true); };
  controller_.watch = {1047, 1044, 1045, 1046};
  Open(resources::MainWindowTemplate());
  struct Step {
    int click;
    std::vector<bool> seen;  // 1047, 1044, 1045, 1046 as the handler sees them
  };
  const Step steps[] = {
      {4, {false, true, false, false}},     // a push button changes nothing
      {1047, {true, true, false, false}},   // a check box is ticked before its handler runs
      {1047, {false, true, false, false}},  // and cleared by the next click
      {1045, {false, false, true, false}},  // a radio takes over its group
      {1046, {false, false, false, true}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.click);
    UserClick(At(step.click));
    const auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, step.click);
    EXPECT_EQ(events[0].notification, Notification::Clicked);
    EXPECT_EQ(events[0].watched, step.seen);
  }
}

TEST_F(OpenDialog, ADisabledButtonTakesNoClickUntilEnabled) {
  QtDialog& dialog = Open(resources::MainWindowTemplate());
  UserClick(At(5));
  EXPECT_TRUE(Take().empty());
  dialog.Enable(5, true);
  UserClick(At(5));
  const auto events = Take();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].id, 5);
}

TEST_F(OpenDialog, ARadioClickClearsOnlyItsOwnGroup) {
  QtDialog& dialog = Open(resources::ProgramDialogTemplate());
  UserClick(At(1045));
  UserClick(At(1056));
  UserClick(At(1046));
  EXPECT_FALSE(dialog.IsChecked(1045));
  EXPECT_TRUE(dialog.IsChecked(1046));
  EXPECT_TRUE(dialog.IsChecked(1056));
}

TEST_F(OpenDialog, ALabelBetweenRadiosDoesNotSplitTheirGroup) {
  QtDialog& dialog = Open(resources::CharaDialogTemplate());
  UserClick(At(1002));
  UserClick(At(1003));
  EXPECT_FALSE(dialog.IsChecked(1002));
  EXPECT_TRUE(dialog.IsChecked(1003));
}

TEST_F(OpenDialog, ClickingTheCheckedRadioAgainKeepsItAndReachesTheController) {
  controller_.watch = {1048};
  QtDialog& dialog = Open(resources::ProgramDialogTemplate());
  UserClick(At(1048));
  UserClick(At(1048));
  const auto events = Take();
  ASSERT_EQ(events.size(), 2u);
  for (const Event& event : events) {
    EXPECT_EQ(event.id, 1048);
    EXPECT_EQ(event.watched, std::vector<bool>{true});
  }
  EXPECT_TRUE(dialog.IsChecked(1048));
}

TEST_F(OpenDialog, TheProgramSetsAnyRadioStatesWithoutRunningHandlers) {
  QtDialog& dialog = Open(resources::MainWindowTemplate());
  dialog.SetChecked(1044, true);
  dialog.SetChecked(1045, true);
  EXPECT_TRUE(dialog.IsChecked(1044));
  EXPECT_TRUE(dialog.IsChecked(1045));
  for (const int radio : {1044, 1045, 1046}) dialog.SetChecked(radio, false);
  for (const int radio : {1044, 1045, 1046}) EXPECT_FALSE(dialog.IsChecked(radio)) << radio;
  dialog.SetChecked(1047, true);
  EXPECT_TRUE(dialog.IsChecked(1047));
  EXPECT_TRUE(Take().empty());
}

TEST_F(OpenDialog, ArrowKeysWalkTheGroupsUsableRadiosAndClickThem) {
  QtDialog& dialog = Open(resources::ProgramDialogTemplate());
  UserClick(At(1045));
  Take();
  struct Step {
    Qt::Key key;
    int reached;
  };
  // 1067 is disabled, so the walk turns round at 1046.
  const Step steps[] = {
      {Qt::Key_Down, 1046}, {Qt::Key_Down, 1045}, {Qt::Key_Up, 1046}, {Qt::Key_Left, 1045}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.reached);
    QTest::keyClick(dialog.focusWidget(), step.key);
    EXPECT_EQ(dialog.focusWidget(), At(step.reached));
    EXPECT_TRUE(dialog.IsChecked(step.reached));
    EXPECT_FALSE(dialog.IsChecked(step.reached == 1045 ? 1046 : 1045));
    const auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, step.reached);
  }
}

TEST_F(OpenDialog, TabEntersARadioGroupAtItsCheckedRadio) {
  Open(resources::MainWindowTemplate());
  const auto tabStops = [this] {
    std::vector<int> stops;
    for (const int radio : {1044, 1045, 1046}) {
      if (At(radio)->focusPolicy() & Qt::TabFocus) stops.push_back(radio);
    }
    return stops;
  };
  EXPECT_EQ(tabStops(), std::vector<int>{1044});
  UserClick(At(1046));
  EXPECT_EQ(tabStops(), std::vector<int>{1046});
  dialog_->SetChecked(1046, false);
  EXPECT_EQ(tabStops(), std::vector<int>{1044});
}

TEST_F(OpenDialog, SpinArrowsStepABoxPast999WithoutDigitGrouping) {
  controller_.onInit = [](ui::Dialog& dialog) {
    dialog.SetSpinRange(1005, -1800, 1800);
    dialog.SetText(1004, "999");
  };
  QtDialog& dialog = Open(resources::MainWindowTemplate());
  Take();
  auto* spin = dynamic_cast<SpinArrows*>(At(1005));
  ASSERT_NE(spin, nullptr);
  QTest::mouseClick(spin->UpArrow(), Qt::LeftButton);
  EXPECT_EQ(dialog.Text(1004), "1000");
  auto events = Take();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].id, 1004);
  EXPECT_EQ(events[0].notification, Notification::TextChanged);
  EXPECT_EQ(events[0].text, "1000");

  QTest::mouseClick(spin->DownArrow(), Qt::LeftButton);
  QTest::mouseClick(spin->DownArrow(), Qt::LeftButton);
  EXPECT_EQ(dialog.Text(1004), "998");
  EXPECT_EQ(Take().size(), 2u);
  EXPECT_EQ(dialog.focusWidget(), At(1004));
}

TEST_F(OpenDialog, ArrowKeysInABoxStepItsSpinInsideTheRange) {
  struct Case {
    const char* start;
    Qt::Key key;
    const char* after;
    bool reported;
  };
  // The attenuator: 0..7.
  const Case cases[] = {
      {"3", Qt::Key_Up, "4", true},    {"3", Qt::Key_Down, "2", true},
      {"7", Qt::Key_Up, "7", false},   {"0", Qt::Key_Down, "0", false},
      {"12", Qt::Key_Up, "7", true},   {"abc", Qt::Key_Up, "1", true},  // from the last position
      {"-5", Qt::Key_Down, "0", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " " + c.after);
    controller_.onInit = [&c](ui::Dialog& dialog) {
      dialog.SetSpinRange(1001, 0, 7);
      dialog.SetText(1000, c.start);
    };
    QtDialog& dialog = Open(resources::MainWindowTemplate());
    Take();
    QTest::keyClick(Box(1000), c.key);
    EXPECT_EQ(dialog.Text(1000), c.after);
    EXPECT_EQ(Take().size(), c.reported ? 1u : 0u);
  }
}

TEST_F(OpenDialog, ADisabledSpinDoesNotStep) {
  controller_.onInit = [](ui::Dialog& dialog) {
    dialog.SetText(1000, "3");
    dialog.Enable(1001, false);
  };
  QtDialog& dialog = Open(resources::MainWindowTemplate());
  QTest::keyClick(Box(1000), Qt::Key_Up);
  EXPECT_EQ(dialog.Text(1000), "3");
}

TEST_F(OpenDialog, AServoBoxTakesAnyTextAndReportsEveryKey) {
  QtDialog& dialog = Open(resources::MainWindowTemplate());
  QTest::keyClicks(Box(1004), "12ab");
  EXPECT_EQ(dialog.Text(1004), "12ab");
  const auto events = Take();
  ASSERT_EQ(events.size(), 4u);
  for (const Event& event : events) {
    EXPECT_EQ(event.id, 1004);
    EXPECT_EQ(event.notification, Notification::TextChanged);
  }
  EXPECT_EQ(events.back().text, "12ab");
}

TEST_F(OpenDialog, ADigitsOnlyBoxTakesOnlyDigitsTypedOrPasted) {
  QtDialog& dialog = Open(resources::ProgramDialogTemplate());
  QTest::keyClicks(Box(1050), "12");  // disabled as the dialog opens
  EXPECT_EQ(dialog.Text(1050), "");
  dialog.Enable(1050, true);
  QTest::keyClicks(Box(1050), "12a3");
  EXPECT_EQ(dialog.Text(1050), "123");
  EXPECT_EQ(Take().size(), 3u);

  QGuiApplication::clipboard()->setText(QStringLiteral("4x5"));
  QTest::keyClick(Box(1050), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dialog.Text(1050), "123");
  EXPECT_TRUE(Take().empty());
  QGuiApplication::clipboard()->setText(QStringLiteral("45"));
  QTest::keyClick(Box(1050), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dialog.Text(1050), "12345");
  EXPECT_EQ(Take().size(), 1u);
}

TEST_F(OpenDialog, SetTextReportsOnceForEditBoxesAndNeverForOtherControls) {
  QtDialog& dialog = Open(resources::CharaDialogTemplate());
  dialog.SetText(1003, "初期化済");
  EXPECT_EQ(dialog.Text(1003), "初期化済");
  EXPECT_TRUE(Take().empty());

  Open(resources::MainWindowTemplate());
  dialog_->SetText(1004, "5");
  dialog_->SetText(1004, "5");  // the same text again still counts as a change
  const auto events = Take();
  ASSERT_EQ(events.size(), 2u);
  for (const Event& event : events) {
    EXPECT_EQ(event.id, 1004);
    EXPECT_EQ(event.notification, Notification::TextChanged);
    EXPECT_EQ(event.text, "5");
  }
}

TEST_F(OpenDialog, CloseBoxAndEscapeRunTheCancelCommandAndTheWindowStaysUnlessEnded) {
  const std::function<void(QtDialog&)> triggers[] = {
      [](QtDialog& dialog) { dialog.close(); },
      [](QtDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape); },
  };
  for (const auto& trigger : triggers) {
    QtDialog& dialog = Open(resources::MainWindowTemplate());
    trigger(dialog);
    auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, ui::kIdCancel);
    EXPECT_EQ(events[0].notification, Notification::Clicked);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Ended());

    // Refused while the dialog's Cancel button is disabled.
    dialog.Enable(ui::kIdCancel, false);
    trigger(dialog);
    EXPECT_TRUE(Take().empty());
    EXPECT_TRUE(dialog.isVisible());
  }
}

TEST(ClosePath, AControllerThatEndsClosesTheWindowWithItsResult) {
  ui::DialogController plain;  // ends on Cancel, as a dialog without behaviour does
  QtDialog dialog(resources::AboutDialogTemplate(), plain, nullptr);
  dialog.Initialise();
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.close();
  EXPECT_TRUE(dialog.Ended());
  EXPECT_EQ(dialog.Result(), ui::kIdCancel);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(OpenDialog, EnterPressesTheFocusedButtonOrTheDefaultAndNothingElse) {
  struct Case {
    const ui::DialogTemplate* dialog;
    int focus;
    std::vector<int> clicked;
  };
  const Case cases[] = {
      // A value box of the main window: no default button, so nothing happens.
      {&resources::MainWindowTemplate(), 1004, {}},
      {&resources::MainWindowTemplate(), 4, {4}},
      {&resources::ServoSelectDialogTemplate(), 1004, {1}},
      {&resources::ServoSelectDialogTemplate(), 2, {2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.dialog->id) + " " + std::to_string(c.focus));
    QtDialog& dialog = Open(*c.dialog);
    dialog.Focus(c.focus);
    QTest::keyClick(At(c.focus), Qt::Key_Return);
    std::vector<int> clicked;
    for (const Event& event : Take()) {
      if (event.notification == Notification::Clicked) clicked.push_back(event.id);
    }
    EXPECT_EQ(clicked, c.clicked);
    EXPECT_TRUE(dialog.isVisible());
  }
}

TEST_F(OpenDialog, FocusStartsAtTheFirstUsableTabStopUnlessTheControllerPlacesIt) {
  struct Case {
    const ui::DialogTemplate* dialog;
    int placed;  // 0: the controller leaves the focus alone
    int focused;
  };
  const Case cases[] = {
      {&resources::MainWindowTemplate(), 0, 2},
      {&resources::MainWindowTemplate(), 1004, 1004},
      {&resources::ServoSelectDialogTemplate(), 0, 1004},
      {&resources::AboutDialogTemplate(), 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog->id);
    controller_.onInit = [&c](ui::Dialog& dialog) {
      if (c.placed) dialog.Focus(c.placed);
    };
    QtDialog& dialog = Open(*c.dialog);
    EXPECT_EQ(dialog.focusWidget(), At(c.focused));
  }
}

TEST_F(OpenDialog, TheListStartsUnselectedAndReportsTheUsersChoice) {
  QtDialog& dialog = Open(resources::ProgramDialogTemplate());
  for (const char* item : {"パターン0", "パターン1", "パターン2"}) dialog.AddListItem(1070, item);
  EXPECT_EQ(dialog.ListSelection(1070), -1);
  EXPECT_EQ(dialog.Text(1070), "");
  EXPECT_TRUE(Take().empty());
  // Opened, the list shows more than a row or two whatever height the template gives.
  EXPECT_GE(qobject_cast<QComboBox*>(At(1070))->maxVisibleItems(), 8);

  QTest::keyClick(At(1070), Qt::Key_Down);
  EXPECT_EQ(dialog.ListSelection(1070), 0);
  const auto events = Take();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].id, 1070);
  EXPECT_EQ(events[0].notification, Notification::SelectionChanged);
  EXPECT_EQ(events[0].text, "パターン0");
}

TEST_F(OpenDialog, TheMainWindowsContextMenuOffersTheAboutItem) {
  QtDialog& other = Open(resources::ProgramDialogTemplate());
  EXPECT_EQ(other.WindowMenu(), nullptr);

  QtDialog& dialog = Open(resources::MainWindowTemplate(), {.aboutMenu = true});
  ASSERT_NE(dialog.WindowMenu(), nullptr);
  const auto actions = dialog.WindowMenu()->actions();
  ASSERT_EQ(actions.size(), 1);
  const std::string_view caption = resources::LoadString(101);
  EXPECT_EQ(actions[0]->text().toStdString(), caption);

  // A right click on a frame (frames let clicks through) opens the menu; choose the item.
  bool menuShown = false;
  QTimer::singleShot(0, [&menuShown] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    menuShown = true;
    QAction* item = menu->actions().value(0);
    menu->close();
    if (item) item->trigger();
  });
  const QPoint where = dialog.Widgets().front()->geometry().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, where, dialog.mapToGlobal(where));
  QApplication::sendEvent(&dialog, &event);
  EXPECT_TRUE(menuShown);
  const auto events = Take();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].id, ui::kIdAboutCommand);
  EXPECT_EQ(events[0].notification, Notification::MenuCommand);
}

}  // namespace
}  // namespace zelvan::qt
