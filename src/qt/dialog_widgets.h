#pragma once

#include <QRadioButton>
#include <QToolButton>
#include <QValidator>
#include <QWidget>
#include <functional>

namespace zelvan::qt {

// A radio button whose group the dialog runs, not the toolkit: a user click or an arrow key
// asks the dialog, which may clear the group first, while the program can still set or clear
// any radio without anything else changing.
class AutoRadioButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

  std::function<void()> onUserCheck;          // a click: check this one, clear the others
  std::function<void(bool forward)> onArrow;  // an arrow key: move to the group's next radio

 protected:
  void nextCheckState() override;
  void keyPressEvent(QKeyEvent* event) override;
};

// The up and down arrows beside an edit box. They hold no number: every press asks the
// dialog to step the box's own text.
class SpinArrows final : public QWidget {
 public:
  explicit SpinArrows(QWidget* parent);

  std::function<void(int delta)> onStep;  // +1 for the upper arrow, -1 for the lower

  QToolButton* UpArrow() const { return up_; }
  QToolButton* DownArrow() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

// Refuses any change that would leave something other than the digits 0-9 in the box, so a
// typed letter or a pasted text with one is turned away whole.
class DigitsValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace zelvan::qt
