#pragma once

#include "ui/dialog_template.h"

// Shorthands that keep the dialog tables one line per control.
namespace zelvan::resources::build {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogRect;

constexpr ControlTemplate Button(int id, std::string_view caption, DialogRect rect) {
  return {
      .id = id, .kind = ControlKind::PushButton, .caption = caption, .rect = rect, .tabStop = true};
}
constexpr ControlTemplate DefaultButton(int id, std::string_view caption, DialogRect rect) {
  return {.id = id,
          .kind = ControlKind::DefaultPushButton,
          .caption = caption,
          .rect = rect,
          .tabStop = true};
}
constexpr ControlTemplate CheckBox(int id, std::string_view caption, DialogRect rect) {
  return {.id = id,
          .kind = ControlKind::AutoCheckBox,
          .caption = caption,
          .rect = rect,
          .tabStop = true};
}
// The first radio of a group is the only one reached by Tab, as in any dialog.
constexpr ControlTemplate FirstRadio(int id, std::string_view caption, DialogRect rect) {
  return {.id = id,
          .kind = ControlKind::AutoRadioButton,
          .caption = caption,
          .rect = rect,
          .groupStart = true,
          .tabStop = true};
}
constexpr ControlTemplate Radio(int id, std::string_view caption, DialogRect rect) {
  return {.id = id, .kind = ControlKind::AutoRadioButton, .caption = caption, .rect = rect};
}
constexpr ControlTemplate Edit(int id, DialogRect rect) {
  return {.id = id, .kind = ControlKind::EditBox, .rect = rect, .tabStop = true};
}
constexpr ControlTemplate DigitsEdit(int id, DialogRect rect) {
  return {
      .id = id, .kind = ControlKind::EditBox, .rect = rect, .digitsOnly = true, .tabStop = true};
}
constexpr ControlTemplate Spin(int id, int buddy, DialogRect rect) {
  return {.id = id, .kind = ControlKind::SpinButton, .rect = rect, .buddy = buddy};
}
constexpr ControlTemplate Frame(std::string_view caption, DialogRect rect) {
  return {.kind = ControlKind::GroupBox, .caption = caption, .rect = rect};
}
constexpr ControlTemplate Label(std::string_view caption, DialogRect rect) {
  return {.kind = ControlKind::StaticLabel, .caption = caption, .rect = rect};
}
constexpr ControlTemplate Label(int id, std::string_view caption, DialogRect rect) {
  return {.id = id, .kind = ControlKind::StaticLabel, .caption = caption, .rect = rect};
}
constexpr ControlTemplate DropDown(int id, DialogRect rect) {
  return {.id = id, .kind = ControlKind::DropDownList, .rect = rect, .tabStop = true};
}
constexpr ControlTemplate ProgramIcon(DialogRect rect) {
  return {.kind = ControlKind::Icon, .rect = rect};
}

constexpr ControlTemplate Disabled(ControlTemplate control) {
  control.disabled = true;
  return control;
}
constexpr ControlTemplate Hidden(ControlTemplate control) {
  control.hidden = true;
  return control;
}

}  // namespace zelvan::resources::build
