#pragma once

#include <string>
#include <string_view>

namespace zelvan::ui {

// One open dialog, its controls addressed by their resource IDs.
class Dialog {
 public:
  virtual ~Dialog() = default;

  virtual int Id() const = 0;  // the dialog's resource number
  virtual std::string Text(int id) const = 0;
  // Edit boxes raise their change notification for every SetText, as typing does.
  virtual void SetText(int id, std::string_view text) = 0;
  virtual bool IsChecked(int id) const = 0;
  // State only: never runs a click handler and never touches the other radios of a group.
  virtual void SetChecked(int id, bool checked) = 0;
  virtual bool IsEnabled(int id) const = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual bool IsVisible(int id) const = 0;
  virtual void Show(int id, bool visible) = 0;
  virtual void Focus(int id) = 0;
  virtual void SetSpinRange(int spinId, int low, int high) = 0;
  virtual void AddListItem(int id, std::string_view text) = 0;
  virtual int ListSelection(int id) const = 0;  // -1 when nothing is selected
  virtual void End(int result) = 0;             // ends this modal dialog
};

}  // namespace zelvan::ui
