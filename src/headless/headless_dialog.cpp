#include "headless/headless_dialog.h"

#include <algorithm>
#include <string>

#include "headless/quote.h"

namespace zelvan::headless {

using ui::ControlKind;

HeadlessDialog::HeadlessDialog(const ui::DialogTemplate& dialog, ui::DialogController& controller)
    : template_(dialog), controller_(controller) {
  controls_.reserve(dialog.controls.size());
  for (const auto& layout : dialog.controls) {
    Control control{.layout = &layout};
    control.enabled = !layout.disabled;
    control.visible = !layout.hidden;
    if (layout.kind != ControlKind::EditBox) control.text = std::string(layout.caption);
    controls_.push_back(std::move(control));
  }
}

HeadlessDialog::Control* HeadlessDialog::Find(int id) {
  if (id == ui::kStaticId) return nullptr;
  auto it = std::find_if(controls_.begin(), controls_.end(),
                         [id](const Control& c) { return c.layout->id == id; });
  return it == controls_.end() ? nullptr : &*it;
}

const HeadlessDialog::Control* HeadlessDialog::Find(int id) const {
  return const_cast<HeadlessDialog*>(this)->Find(id);
}

std::string HeadlessDialog::Text(int id) const {
  const Control* control = Find(id);
  if (!control) return {};
  if (control->layout->kind == ControlKind::DropDownList) {
    return control->selection < 0 ? std::string{} : control->items[control->selection];
  }
  return control->text;
}

void HeadlessDialog::SetText(int id, std::string_view text) {
  Control* control = Find(id);
  if (!control) return;
  control->text = std::string(text);
  if (control->layout->kind == ControlKind::EditBox) Notify(id, ui::Notification::TextChanged);
}

bool HeadlessDialog::IsChecked(int id) const {
  const Control* control = Find(id);
  return control && control->checked;
}

void HeadlessDialog::SetChecked(int id, bool checked) {
  if (Control* control = Find(id)) control->checked = checked;
}

bool HeadlessDialog::IsEnabled(int id) const {
  const Control* control = Find(id);
  return control && control->enabled;
}

void HeadlessDialog::Enable(int id, bool enabled) {
  if (Control* control = Find(id)) control->enabled = enabled;
}

bool HeadlessDialog::IsVisible(int id) const {
  const Control* control = Find(id);
  return control && control->visible;
}

void HeadlessDialog::Show(int id, bool visible) {
  if (Control* control = Find(id)) control->visible = visible;
}

void HeadlessDialog::Focus(int id) {
  if (!Find(id)) return;
  focus_ = id;
  focusPlaced_ = true;
}

void HeadlessDialog::SetSpinRange(int spinId, int low, int high) {
  if (Control* control = Find(spinId)) control->range = {low, high};
}

void HeadlessDialog::AddListItem(int id, std::string_view text) {
  if (Control* control = Find(id)) control->items.emplace_back(text);
}

int HeadlessDialog::ListSelection(int id) const {
  const Control* control = Find(id);
  return control ? control->selection : -1;
}

void HeadlessDialog::End(int result) {
  ended_ = true;
  result_ = result;
}

void HeadlessDialog::Initialise() {
  controller_.OnInit(*this);
  if (focusPlaced_) return;
  auto first = std::find_if(controls_.begin(), controls_.end(), [](const Control& c) {
    return c.layout->tabStop && c.enabled && c.visible;
  });
  if (first != controls_.end()) focus_ = first->layout->id;
}

HeadlessDialog::Control* HeadlessDialog::Usable(int id, ControlKind kind) {
  Control* control = Find(id);
  if (!control || !control->enabled || !control->visible) return nullptr;
  const ControlKind actual = control->layout->kind;
  const bool matches = actual == kind || (kind == ControlKind::PushButton &&
                                          actual == ControlKind::DefaultPushButton);
  return matches ? control : nullptr;
}

bool HeadlessDialog::Click(int id) {
  Control* control = Find(id);
  if (!control) return false;
  const ControlKind kind = control->layout->kind;
  if (!Usable(id, kind)) return false;
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
      break;
    case ControlKind::AutoCheckBox:
      control->checked = !control->checked;
      break;
    case ControlKind::AutoRadioButton:
      ClearRadioGroup(*control);
      control->checked = true;
      break;
    default:
      return false;
  }
  Focus(id);
  Notify(id, ui::Notification::Clicked);
  return true;
}

void HeadlessDialog::ClearRadioGroup(const Control& chosen) {
  const auto at = static_cast<std::size_t>(&chosen - controls_.data());
  std::size_t first = at;
  while (first > 0 && !controls_[first].layout->groupStart) --first;
  std::size_t last = at + 1;
  while (last < controls_.size() && !controls_[last].layout->groupStart) ++last;
  for (std::size_t i = first; i < last; ++i) {
    if (controls_[i].layout->kind == ControlKind::AutoRadioButton) controls_[i].checked = false;
  }
}

bool HeadlessDialog::Type(int id, std::string_view text) {
  Control* control = Usable(id, ControlKind::EditBox);
  if (!control) return false;
  std::string typed(text);
  // A digits-only box refuses every other key.
  if (control->layout->digitsOnly) {
    std::erase_if(typed, [](char ch) { return ch < '0' || ch > '9'; });
  }
  Focus(id);
  SetText(id, typed);
  return true;
}

bool HeadlessDialog::PressSpin(int spinId, int delta) {
  Control* spin = Usable(spinId, ControlKind::SpinButton);
  if (!spin) return false;
  const int buddyId = spin->layout->buddy;
  if (!Find(buddyId)) return false;
  spin->position = ui::SpinStep(Text(buddyId), spin->position, spin->range, delta);
  const std::string text = ui::SpinText(spin->position);
  Focus(buddyId);
  if (Text(buddyId) != text) SetText(buddyId, text);
  return true;
}

bool HeadlessDialog::Select(int id, int index) {
  Control* control = Usable(id, ControlKind::DropDownList);
  if (!control || index < 0 || index >= static_cast<int>(control->items.size())) return false;
  control->selection = index;
  Focus(id);
  Notify(id, ui::Notification::SelectionChanged);
  return true;
}

bool HeadlessDialog::Close() {
  const Control* cancel = Find(ui::kIdCancel);
  if (cancel && !cancel->enabled) return false;
  Notify(ui::kIdCancel, ui::Notification::Clicked);
  return true;
}

void HeadlessDialog::MenuCommand(int id) { Notify(id, ui::Notification::MenuCommand); }

void HeadlessDialog::Notify(int id, ui::Notification notification) {
  controller_.OnCommand(*this, id, notification);
}

std::string HeadlessDialog::Describe(int id) const {
  const Control* control = Find(id);
  if (!control) return {};
  std::string line =
      "control " + std::to_string(id) + " text=" + Quote(Text(id)) +
      " checked=" + (control->checked ? "1" : "0") + " enabled=" + (control->enabled ? "1" : "0") +
      " visible=" + (control->visible ? "1" : "0") + " focus=" + (focus_ == id ? "1" : "0");
  if (control->layout->kind == ControlKind::SpinButton) {
    line +=
        " range=" + std::to_string(control->range.low) + ".." + std::to_string(control->range.high);
  }
  if (control->layout->kind == ControlKind::DropDownList) {
    line += " items=" + std::to_string(control->items.size()) +
            " selected=" + std::to_string(control->selection);
  }
  return line;
}

}  // namespace zelvan::headless
