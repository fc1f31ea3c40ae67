#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <memory>

#include "qt/dialog_units.h"
#include "qt/dialog_widgets.h"
#include "qt/qt_dialog.h"
#include "qt/recording_controller.h"
#include "resources/dialog_templates.h"

namespace zelvan::qt {
namespace {

using testing::RecordingController;
using ui::ControlKind;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Describe(const ui::DialogTemplate& dialog, std::size_t index) {
  const auto& control = dialog.controls[index];
  return "dialog " + std::to_string(dialog.id) + ", control #" + std::to_string(index) + " (id " +
         std::to_string(control.id) + " \"" + std::string(control.caption) + "\")";
}

class RenderedDialog : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    layout_ = resources::FindDialogTemplate(GetParam());
    ASSERT_NE(layout_, nullptr);
    dialog_ = std::make_unique<QtDialog>(*layout_, controller_, nullptr);
  }

  const ui::DialogTemplate* layout_ = nullptr;
  RecordingController controller_;
  std::unique_ptr<QtDialog> dialog_;
};

TEST_P(RenderedDialog, EveryControlHasItsIdKindCaptionAndInitialState) {
  const auto& widgets = dialog_->Widgets();
  ASSERT_EQ(widgets.size(), layout_->controls.size());
  EXPECT_EQ(dialog_->windowTitle(), FromUtf8(layout_->title));
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    const ui::ControlTemplate& control = layout_->controls[i];
    QWidget* widget = widgets[i];
    SCOPED_TRACE(Describe(*layout_, i));
    if (control.id != ui::kStaticId) {
      EXPECT_EQ(dialog_->Widget(control.id), widget);
    }
    const QString caption = FromUtf8(control.caption);
    switch (control.kind) {
      case ControlKind::PushButton:
      case ControlKind::DefaultPushButton: {
        auto* button = qobject_cast<QPushButton*>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->isDefault(), control.kind == ControlKind::DefaultPushButton);
        break;
      }
      case ControlKind::AutoCheckBox: {
        auto* box = qobject_cast<QCheckBox*>(widget);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), caption);
        EXPECT_FALSE(box->isChecked());
        break;
      }
      case ControlKind::AutoRadioButton: {
        auto* radio = qobject_cast<QRadioButton*>(widget);
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->text(), caption);
        EXPECT_FALSE(radio->isChecked());
        // The dialog runs the groups; a toolkit group would refuse to clear them.
        EXPECT_FALSE(radio->autoExclusive());
        break;
      }
      case ControlKind::EditBox: {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_EQ(edit->validator() != nullptr, control.digitsOnly);
        break;
      }
      case ControlKind::SpinButton:
        EXPECT_NE(dynamic_cast<SpinArrows*>(widget), nullptr);
        break;
      case ControlKind::GroupBox: {
        auto* frame = qobject_cast<QGroupBox*>(widget);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), caption);
        EXPECT_TRUE(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
        break;
      }
      case ControlKind::StaticLabel: {
        auto* label = qobject_cast<QLabel*>(widget);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), caption);
        break;
      }
      case ControlKind::DropDownList: {
        auto* list = qobject_cast<QComboBox*>(widget);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 0);
        EXPECT_EQ(list->currentIndex(), -1);
        break;
      }
      case ControlKind::Icon: {
        auto* picture = qobject_cast<QLabel*>(widget);
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->pixmap().isNull());
        break;
      }
    }
    EXPECT_EQ(widget->isEnabled(), !control.disabled);
    EXPECT_EQ(widget->isVisibleTo(dialog_.get()), !control.hidden);
    if (control.id != ui::kStaticId) {
      // Asked before the window is shown, as the controllers' initialisation does.
      EXPECT_EQ(dialog_->IsEnabled(control.id), !control.disabled);
      EXPECT_EQ(dialog_->IsVisible(control.id), !control.hidden);
    }
  }
}

TEST_P(RenderedDialog, TabVisitsTheTabStopsInTemplateOrder) {
  const auto& widgets = dialog_->Widgets();
  std::vector<QWidget*> expected;
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    if (layout_->controls[i].tabStop) expected.push_back(widgets[i]);
  }
  ASSERT_FALSE(expected.empty());
  std::vector<QWidget*> visited;
  QWidget* at = expected.front();
  do {
    if ((at->focusPolicy() & Qt::TabFocus) &&
        std::find(widgets.begin(), widgets.end(), at) != widgets.end()) {
      visited.push_back(at);
    }
    at = at->nextInFocusChain();
  } while (at != expected.front());
  EXPECT_EQ(visited, expected);
}

// What a user sees: every caption whole inside its control with the dialog's font, frames
// that hold their controls below their titles, and no control drawn over another.
TEST_P(RenderedDialog, CaptionsFitAndControlsStayApartInsideTheirFrames) {
  const QFontInfo font(dialog_->font());
  if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
    GTEST_SKIP() << "no Japanese font installed; the layout is measured against one";
  }
  const auto& widgets = dialog_->Widgets();
  QStyle* style = dialog_->style();
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    SCOPED_TRACE(Describe(*layout_, i) + " in " + font.family().toStdString());
    QWidget* widget = widgets[i];
    const QFontMetrics metrics(widget->font());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      QRect room;
      if (auto* push = qobject_cast<QPushButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        room = style->subElementRect(QStyle::SE_PushButtonContents, &option, push);
      } else {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        room = style->subElementRect(qobject_cast<QRadioButton*>(button)
                                         ? QStyle::SE_RadioButtonContents
                                         : QStyle::SE_CheckBoxContents,
                                     &option, button);
      }
      const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
      EXPECT_LE(text.width(), room.width());
      EXPECT_LE(text.height(), room.height());
    } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
      const QRect needed =
          metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
      EXPECT_LE(needed.width(), label->width());
      EXPECT_LE(label->heightForWidth(label->width()), label->height());
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      QStyleOptionGroupBox option;
      option.initFrom(frame);
      option.text = frame->title();
      option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
      const QRect title =
          style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
              .translated(frame->pos());
      const QRect inside =
          style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, frame)
              .translated(frame->pos());
      EXPECT_LE(title.right(), frame->geometry().right());
      for (std::size_t j = 0; j < widgets.size(); ++j) {
        if (j == i || !frame->geometry().intersects(widgets[j]->geometry()) ||
            qobject_cast<QGroupBox*>(widgets[j])) {
          continue;
        }
        EXPECT_TRUE(inside.contains(widgets[j]->geometry())) << Describe(*layout_, j);
        EXPECT_GT(widgets[j]->geometry().top(), title.bottom()) << Describe(*layout_, j);
      }
    }
    if (qobject_cast<QGroupBox*>(widget) || layout_->controls[i].hidden) continue;
    for (std::size_t j = i + 1; j < widgets.size(); ++j) {
      if (qobject_cast<QGroupBox*>(widgets[j]) || layout_->controls[j].hidden) continue;
      // The pattern list's placeholder text lies over the list on purpose.
      if (layout_->controls[i].id == 1070 && layout_->controls[j].id == 1072) continue;
      // Neighbours placed edge to edge may share a pixel after rounding.
      const QRect a = widget->geometry().adjusted(0, 0, -1, -1);
      EXPECT_FALSE(a.intersects(widgets[j]->geometry().adjusted(0, 0, -1, -1)))
          << "overlaps " << Describe(*layout_, j);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, RenderedDialog, ::testing::Values(100, 102, 129, 130, 131),
                         [](const auto& info) { return "Dialog" + std::to_string(info.param); });

TEST(DialogFont, TheDialogUsesAJapaneseFontAtNinePoints) {
  RecordingController controller;
  QtDialog dialog(resources::MainWindowTemplate(), controller, nullptr);
  EXPECT_EQ(dialog.font().pointSize(), 9);
  if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
    GTEST_SKIP() << "no Japanese font installed";
  }
  const QString family = QFontInfo(dialog.font()).family();
  EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese))
      << family.toStdString();
}

TEST(DialogFont, TheLayoutGrowsWithTheFont) {
  // The same dialog at twice the point size is about twice as large, and so is each control.
  const ui::DialogTemplate& normal = resources::ServoSelectDialogTemplate();
  ui::DialogTemplate large = normal;
  large.fontPoints = 18;
  RecordingController controller;
  QtDialog small(normal, controller, nullptr);
  QtDialog big(large, controller, nullptr);
  const DialogUnits smallUnits = DialogUnits::Of(small.font());
  const DialogUnits bigUnits = DialogUnits::Of(big.font());
  ASSERT_GT(bigUnits.baseX, smallUnits.baseX);
  ASSERT_GT(bigUnits.baseY, smallUnits.baseY);
  EXPECT_EQ(big.size(), QSize(bigUnits.X(normal.rect.width), bigUnits.Y(normal.rect.height)));
  for (std::size_t i = 0; i < normal.controls.size(); ++i) {
    SCOPED_TRACE(Describe(normal, i));
    EXPECT_EQ(big.Widgets()[i]->geometry(), bigUnits.ToPixels(normal.controls[i].rect));
    EXPECT_EQ(small.Widgets()[i]->geometry(), smallUnits.ToPixels(normal.controls[i].rect));
  }
}

TEST(DialogFrame, FixedSizeWithoutMinimiseOrMaximise) {
  RecordingController controller;
  QtDialog main(resources::MainWindowTemplate(), controller, nullptr);
  QtDialog owned(resources::AboutDialogTemplate(), controller, &main);
  for (QtDialog* dialog : {&main, &owned}) {
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog->windowIcon().isNull());
  }
  // The main window stands alone (its own task-bar entry); the others belong to it.
  EXPECT_EQ(main.windowType(), Qt::Window);
  EXPECT_EQ(owned.windowType(), Qt::Dialog);
  EXPECT_EQ(owned.parentWidget(), &main);
}

}  // namespace
}  // namespace zelvan::qt
