#pragma once

#include <span>
#include <string_view>

namespace zelvan::ui {

// Controls without a resource number (labels, frames) all share this ID.
inline constexpr int kStaticId = -1;

enum class ControlKind {
  PushButton,
  DefaultPushButton,
  AutoCheckBox,
  AutoRadioButton,
  EditBox,
  SpinButton,
  GroupBox,
  StaticLabel,
  DropDownList,
  Icon,  // the program icon, drawn as a picture
};

// Position and size in dialog units: x and width in quarters of the dialog font's
// average character width, y and height in eighths of its height.
struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct ControlTemplate {
  int id = kStaticId;
  ControlKind kind = ControlKind::StaticLabel;
  std::string_view caption;  // UTF-8; line breaks as '\n'
  DialogRect rect;
  // A radio group runs from a control marked groupStart to the next such control.
  bool groupStart = false;
  bool digitsOnly = false;  // edit boxes that refuse everything but 0-9
  int buddy = 0;            // spin buttons: the edit box they step
  bool disabled = false;    // initial state
  bool hidden = false;      // initial state
  bool tabStop = false;     // reached by the Tab key; template order is the tab order
};

struct DialogTemplate {
  int id = 0;
  std::string_view title;
  DialogRect rect;  // x, y ignored: dialogs are centred over their owner
  std::string_view fontName;
  int fontPoints = 9;
  std::span<const ControlTemplate> controls;

  const ControlTemplate* Find(int controlId) const {
    for (const auto& control : controls) {
      if (control.id == controlId && controlId != kStaticId) return &control;
    }
    return nullptr;
  }
};

}  // namespace zelvan::ui
