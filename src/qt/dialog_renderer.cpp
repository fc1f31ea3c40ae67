#include "qt/dialog_renderer.h"
#include "qt/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "qt/dialog_units.h"
#include "qt/dialog_widgets.h"
#include "qt/program_icon.h"

namespace zelvan::qt {

namespace {

using ui::ControlKind;

constexpr int kMinimumListRows = 8;

bool TakesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::AutoCheckBox:
    case ControlKind::AutoRadioButton:
    case ControlKind::EditBox:
    case ControlKind::DropDownList:
      return true;
    case ControlKind::SpinButton:
    case ControlKind::GroupBox:
    case ControlKind::StaticLabel:
    case ControlKind::Icon:
      return false;
  }
  return false;
}

QWidget* MakeWidget(const ui::ControlTemplate& control, QWidget* parent) {
  const QString caption = FromUtf8(control.caption);
  switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      auto* button = new QPushButton(caption, parent);
      // Only the template's default button answers Enter; the dialog decides the rest.
      button->setAutoDefault(false);
      button->setDefault(control.kind == ControlKind::DefaultPushButton);
      return button;
    }
    case ControlKind::AutoCheckBox:
      return new QCheckBox(caption, parent);
    case ControlKind::AutoRadioButton: {
      auto* radio = new AutoRadioButton(caption, parent);
      radio->setAutoExclusive(false);
      return radio;
    }
    case ControlKind::EditBox: {
      auto* edit = new QLineEdit(parent);
      if (control.digitsOnly) edit->setValidator(new DigitsValidator(edit));
      return edit;
    }
    case ControlKind::SpinButton:
      return new SpinArrows(parent);
    case ControlKind::GroupBox: {
      auto* frame = new QGroupBox(caption, parent);
      // A frame is drawn around controls that lie above it; it never takes a click.
      frame->setAttribute(Qt::WA_TransparentForMouseEvents);
      return frame;
    }
    case ControlKind::StaticLabel: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
      // Labels may lie over other controls (the pattern list's placeholder) and let the
      // click through, as a plain static text does.
      label->setAttribute(Qt::WA_TransparentForMouseEvents);
      return label;
    }
    case ControlKind::DropDownList:
      return new QComboBox(parent);
    case ControlKind::Icon: {
      auto* picture = new QLabel(parent);
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      picture->setAttribute(Qt::WA_TransparentForMouseEvents);
      return picture;
    }
  }
  return new QWidget(parent);
}

void Place(const ui::ControlTemplate& control, QWidget& widget, const DialogUnits& units) {
  const QRect rect = units.ToPixels(control.rect);
  if (auto* list = qobject_cast<QComboBox*>(&widget)) {
    // A template's height may include the opened list; the closed face is as high as the
    // style draws it. The list shows the rows that height leaves room for, and never fewer
    // than a handful, so a height that only covers the face still opens a usable list.
    const int face = std::min(list->sizeHint().height(), rect.height());
    list->setGeometry(rect.x(), rect.y(), rect.width(), face);
    const int row = list->fontMetrics().height() + 2;
    list->setMaxVisibleItems(std::max(kMinimumListRows, (rect.height() - face) / row));
    return;
  }
  if (control.kind == ControlKind::Icon) {
    const int side = std::min(rect.width(), rect.height());
    static_cast<QLabel&>(widget).setPixmap(ProgramIcon().pixmap(side, side));
  }
  widget.setGeometry(rect);
}

}  // namespace

std::vector<QWidget*> RenderTemplate(const ui::DialogTemplate& dialog, QDialog& window) {
  window.setWindowTitle(FromUtf8(dialog.title));
  window.setFont(DialogFont(dialog.fontName, dialog.fontPoints));
  const DialogUnits units = DialogUnits::Of(window.font());
  window.setFixedSize(units.X(dialog.rect.width), units.Y(dialog.rect.height));

  std::vector<QWidget*> widgets;
  widgets.reserve(dialog.controls.size());
  QWidget* previousInTabOrder = nullptr;
  for (const auto& control : dialog.controls) {
    QWidget* widget = MakeWidget(control, &window);
    Place(control, *widget, units);
    if (TakesFocus(control.kind)) {
      widget->setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
      if (previousInTabOrder) QWidget::setTabOrder(previousInTabOrder, widget);
      previousInTabOrder = widget;
    } else {
      widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->setEnabled(!control.disabled);
    widget->setHidden(control.hidden);
    widgets.push_back(widget);
  }
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    if (dialog.controls[i].kind == ControlKind::GroupBox) widgets[i]->lower();
  }
  return widgets;
}

}  // namespace zelvan::qt
