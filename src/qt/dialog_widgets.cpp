#include "qt/dialog_widgets.h"

#include <QKeyEvent>

namespace zelvan::qt {

void AutoRadioButton::nextCheckState() {
  if (onUserCheck) {
    onUserCheck();
  } else {
    setChecked(true);
  }
}

void AutoRadioButton::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && onArrow) {
    switch (event->key()) {
      case Qt::Key_Up:
      case Qt::Key_Left:
        onArrow(false);
        return;
      case Qt::Key_Down:
      case Qt::Key_Right:
        onArrow(true);
        return;
      default:
        break;
    }
  }
  QRadioButton::keyPressEvent(event);
}

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  int delta = 1;
  for (QToolButton* arrow : {up_, down_}) {
    arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
    arrow->setFocusPolicy(Qt::NoFocus);
    // Held down, an arrow keeps stepping, as the arrows beside a number box do.
    arrow->setAutoRepeat(true);
    arrow->setAutoRepeatDelay(400);
    arrow->setAutoRepeatInterval(60);
    QObject::connect(arrow, &QToolButton::clicked, this, [this, delta] {
      if (onStep) onStep(delta);
    });
    delta = -1;
  }
}

void SpinArrows::resizeEvent(QResizeEvent* /*event*/) {
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

QValidator::State DigitsValidator::validate(QString& input, int& /*position*/) const {
  for (const QChar ch : input) {
    if (ch < u'0' || ch > u'9') return Invalid;
  }
  return Acceptable;
}

}  // namespace zelvan::qt
