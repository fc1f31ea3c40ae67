#include "qt/qt_dialog.h"
#include "qt/qt_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "qt/dialog_renderer.h"
#include "qt/dialog_widgets.h"
#include "qt/program_icon.h"
#include "resources/string_table.h"

namespace zelvan::qt {

namespace {

using ui::ControlKind;

// The string-table entry of the About item.
constexpr int kAboutItemString = 101;

Qt::WindowFlags FrameFlags(bool owned) {
  // A fixed frame with a title and a close box, no minimise, maximise or help buttons. The
  // window without an owner is the main window and keeps its own task-bar entry.
  return (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

}  // namespace

QtDialog::QtDialog(const ui::DialogTemplate& dialog, ui::DialogController& controller,
                   QWidget* owner, QtDialogOptions options)
    : QDialog(owner, FrameFlags(owner != nullptr)), template_(dialog), controller_(controller) {
  setWindowIcon(ProgramIcon());
  widgets_ = RenderTemplate(dialog, *this);
  spins_.resize(widgets_.size());
  spinOfBox_.assign(widgets_.size(), -1);
  for (std::size_t i = 0; i < widgets_.size(); ++i) Connect(i);
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (template_.controls[i].kind == ControlKind::AutoRadioButton) RefreshGroupTabStop(i);
  }

  const std::string_view about = resources::LoadString(kAboutItemString);
  if (options.aboutMenu && !about.empty()) {
    windowMenu_ = new QMenu(this);
    QAction* item = windowMenu_->addAction(FromUtf8(about));
    connect(item, &QAction::triggered, this,
            [this] { Notify(ui::kIdAboutCommand, ui::Notification::MenuCommand); });
  }
}

void QtDialog::Connect(std::size_t index) {
  const ui::ControlTemplate& layout = template_.controls[index];
  QWidget* widget = widgets_[index];
  const int id = layout.id;
  switch (layout.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::AutoCheckBox:
      connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
              [this, id] { Notify(id, ui::Notification::Clicked); });
      break;
    case ControlKind::AutoRadioButton: {
      auto* radio = static_cast<AutoRadioButton*>(widget);
      radio->onUserCheck = [this, index] { CheckRadio(index); };
      radio->onArrow = [this, index](bool forward) { MoveInGroup(index, forward); };
      connect(radio, &QAbstractButton::clicked, this,
              [this, id] { Notify(id, ui::Notification::Clicked); });
      connect(radio, &QAbstractButton::toggled, this,
              [this, index] { RefreshGroupTabStop(index); });
      break;
    }
    case ControlKind::EditBox:
      // Typing, pasting, cutting and undoing; the program's own changes notify in SetText.
      connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
              [this, id] { Notify(id, ui::Notification::TextChanged); });
      break;
    case ControlKind::SpinButton: {
      static_cast<SpinArrows*>(widget)->onStep = [this, index](int delta) { Step(index, delta); };
      const int box = IndexOf(layout.buddy);
      if (box >= 0 && template_.controls[box].kind == ControlKind::EditBox) {
        spinOfBox_[box] = static_cast<int>(index);
        widgets_[box]->installEventFilter(this);
      }
      break;
    }
    case ControlKind::DropDownList:
      connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
              [this, id] { Notify(id, ui::Notification::SelectionChanged); });
      break;
    case ControlKind::GroupBox:
    case ControlKind::StaticLabel:
    case ControlKind::Icon:
      break;
  }
}

int QtDialog::IndexOf(int id) const {
  if (id == ui::kStaticId) return -1;
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (template_.controls[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

QWidget* QtDialog::Widget(int id) const {
  const int index = IndexOf(id);
  return index < 0 ? nullptr : widgets_[index];
}

std::string QtDialog::Text(int id) const {
  const int index = IndexOf(id);
  if (index < 0) return {};
  const QWidget* widget = widgets_[index];
  switch (template_.controls[index].kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::AutoCheckBox:
    case ControlKind::AutoRadioButton:
      return static_cast<const QAbstractButton*>(widget)->text().toStdString();
    case ControlKind::EditBox:
      return static_cast<const QLineEdit*>(widget)->text().toStdString();
    case ControlKind::GroupBox:
      return static_cast<const QGroupBox*>(widget)->title().toStdString();
    case ControlKind::StaticLabel:
      return static_cast<const QLabel*>(widget)->text().toStdString();
    case ControlKind::DropDownList: {
      const auto* list = static_cast<const QComboBox*>(widget);
      return list->currentIndex() < 0 ? std::string{} : list->currentText().toStdString();
    }
    case ControlKind::SpinButton:
    case ControlKind::Icon:
      return {};
  }
  return {};
}

void QtDialog::SetText(int id, std::string_view text) {
  const int index = IndexOf(id);
  if (index < 0) return;
  QWidget* widget = widgets_[index];
  const QString value = FromUtf8(text);
  switch (template_.controls[index].kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::AutoCheckBox:
    case ControlKind::AutoRadioButton:
      static_cast<QAbstractButton*>(widget)->setText(value);
      break;
    case ControlKind::EditBox:
      // Notified here, once, even when the text stays the same: the program's writes count
      // as changes, as typing does.
      static_cast<QLineEdit*>(widget)->setText(value);
      Notify(id, ui::Notification::TextChanged);
      break;
    case ControlKind::GroupBox:
      static_cast<QGroupBox*>(widget)->setTitle(value);
      break;
    case ControlKind::StaticLabel:
      static_cast<QLabel*>(widget)->setText(value);
      break;
    case ControlKind::SpinButton:
    case ControlKind::DropDownList:
    case ControlKind::Icon:
      break;
  }
}

bool QtDialog::IsChecked(int id) const {
  const auto* button = qobject_cast<const QAbstractButton*>(Widget(id));
  return button && button->isCheckable() && button->isChecked();
}

void QtDialog::SetChecked(int id, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(Widget(id));
  // setChecked emits no click, and with no toolkit group the other radios stay as they are.
  if (button && button->isCheckable()) button->setChecked(checked);
}

bool QtDialog::IsEnabled(int id) const {
  const QWidget* widget = Widget(id);
  return widget && widget->isEnabledTo(this);
}

void QtDialog::Enable(int id, bool enabled) {
  if (QWidget* widget = Widget(id)) widget->setEnabled(enabled);
}

bool QtDialog::IsVisible(int id) const {
  // Asked of the dialog, so a control counts as visible before the window is shown.
  const QWidget* widget = Widget(id);
  return widget && widget->isVisibleTo(this);
}

void QtDialog::Show(int id, bool visible) {
  if (QWidget* widget = Widget(id)) widget->setVisible(visible);
}

void QtDialog::Focus(int id) {
  QWidget* widget = Widget(id);
  if (!widget) return;
  widget->setFocus(Qt::OtherFocusReason);
  focusPlaced_ = true;
}

void QtDialog::SetSpinRange(int spinId, int low, int high) {
  const int index = IndexOf(spinId);
  if (index >= 0) spins_[index].range = {low, high};
}

void QtDialog::AddListItem(int id, std::string_view text) {
  auto* list = qobject_cast<QComboBox*>(Widget(id));
  if (!list) return;
  // Adding to an empty list selects the first entry in Qt; a dialog's list stays unselected
  // until the user or the program picks an entry.
  const int selected = list->currentIndex();
  list->addItem(FromUtf8(text));
  if (list->currentIndex() != selected) list->setCurrentIndex(selected);
}

int QtDialog::ListSelection(int id) const {
  const auto* list = qobject_cast<const QComboBox*>(Widget(id));
  return list ? list->currentIndex() : -1;
}

void QtDialog::End(int result) {
  ended_ = true;
  result_ = result;
  if (isVisible()) done(result);
}

void QtDialog::Initialise() {
  controller_.OnInit(*this);
  if (focusPlaced_) return;
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (template_.controls[i].tabStop && Usable(i)) {
      widgets_[i]->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

int QtDialog::Run() {
  Initialise();
  if (!ended_) exec();
  return result_;
}

bool QtDialog::Usable(std::size_t index) const {
  const QWidget* widget = widgets_[index];
  return widget->isEnabledTo(this) && widget->isVisibleTo(this);
}

void QtDialog::Notify(int id, ui::Notification notification) {
  controller_.OnCommand(*this, id, notification);
}

void QtDialog::Step(std::size_t spinIndex, int delta) {
  if (!Usable(spinIndex)) return;
  const int boxId = template_.controls[spinIndex].buddy;
  const int box = IndexOf(boxId);
  if (box < 0 || template_.controls[box].kind != ControlKind::EditBox) return;
  Spin& spin = spins_[spinIndex];
  spin.position = ui::SpinStep(Text(boxId), spin.position, spin.range, delta);
  const std::string text = ui::SpinText(spin.position);
  widgets_[box]->setFocus(Qt::OtherFocusReason);
  // At the end of the range the box keeps its text and nothing is reported.
  if (Text(boxId) != text) SetText(boxId, text);
}

std::pair<std::size_t, std::size_t> QtDialog::GroupOf(std::size_t index) const {
  std::size_t first = index;
  while (first > 0 && !template_.controls[first].groupStart) --first;
  std::size_t last = index + 1;
  while (last < widgets_.size() && !template_.controls[last].groupStart) ++last;
  return {first, last};
}

void QtDialog::CheckRadio(std::size_t index) {
  const auto [first, last] = GroupOf(index);
  for (std::size_t i = first; i < last; ++i) {
    if (i != index && template_.controls[i].kind == ControlKind::AutoRadioButton) {
      static_cast<QAbstractButton*>(widgets_[i])->setChecked(false);
    }
  }
  static_cast<QAbstractButton*>(widgets_[index])->setChecked(true);
}

void QtDialog::MoveInGroup(std::size_t index, bool forward) {
  // The arrow keys walk the group's usable radios round in a circle and click the one
  // they reach, as in any dialog's radio group.
  const auto [first, last] = GroupOf(index);
  const std::size_t count = last - first;
  for (std::size_t step = 1; step < count; ++step) {
    const std::size_t offset = forward ? step : count - step;
    const std::size_t next = first + (index - first + offset) % count;
    if (template_.controls[next].kind == ControlKind::AutoRadioButton && Usable(next)) {
      widgets_[next]->setFocus(Qt::OtherFocusReason);
      static_cast<QAbstractButton*>(widgets_[next])->click();
      return;
    }
  }
}

void QtDialog::RefreshGroupTabStop(std::size_t index) {
  // Tab reaches a radio group once: at its checked radio, or at its first when none is.
  const auto [first, last] = GroupOf(index);
  if (template_.controls[first].kind != ControlKind::AutoRadioButton ||
      !template_.controls[first].tabStop) {
    return;
  }
  std::size_t stop = first;
  for (std::size_t i = first; i < last; ++i) {
    if (template_.controls[i].kind == ControlKind::AutoRadioButton &&
        static_cast<QAbstractButton*>(widgets_[i])->isChecked()) {
      stop = i;
      break;
    }
  }
  for (std::size_t i = first; i < last; ++i) {
    if (template_.controls[i].kind == ControlKind::AutoRadioButton) {
      widgets_[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
  }
}

QPushButton* QtDialog::DefaultButton() const {
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (template_.controls[i].kind == ControlKind::DefaultPushButton) {
      return static_cast<QPushButton*>(widgets_[i]);
    }
  }
  return nullptr;
}

void QtDialog::reject() {
  // The close box and Escape: the controller's Cancel path, which may keep the window open.
  const int cancel = IndexOf(ui::kIdCancel);
  if (cancel >= 0 && !widgets_[cancel]->isEnabledTo(this)) return;
  Notify(ui::kIdCancel, ui::Notification::Clicked);
}

void QtDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (!enter || !plain) {
    QDialog::keyPressEvent(event);
    return;
  }
  // Enter presses the focused push button, else the template's default button. A dialog
  // without one ignores it: in the main window, Enter in a value box must not end the run.
  QPushButton* target = qobject_cast<QPushButton*>(focusWidget());
  if (!target) target = DefaultButton();
  if (target && target->isEnabled() && target->isVisibleTo(this)) target->click();
  event->accept();
}

void QtDialog::contextMenuEvent(QContextMenuEvent* event) {
  if (!windowMenu_) {
    QDialog::contextMenuEvent(event);
    return;
  }
  windowMenu_->exec(event->globalPos());
}

bool QtDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
      for (std::size_t box = 0; box < widgets_.size(); ++box) {
        if (widgets_[box] == watched && spinOfBox_[box] >= 0) {
          Step(static_cast<std::size_t>(spinOfBox_[box]), key->key() == Qt::Key_Up ? 1 : -1);
          return true;
        }
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zelvan::qt
