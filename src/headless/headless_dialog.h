#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"
#include "ui/dialog_controller.h"
#include "ui/dialog_template.h"
#include "ui/spin_step.h"

namespace zelvan::headless {

// A dialog held in memory: the controls of its template with their state, and the user's
// actions on them with the behaviour of the real controls.
class HeadlessDialog final : public ui::Dialog {
 public:
  HeadlessDialog(const ui::DialogTemplate& dialog, ui::DialogController& controller);

  // ui::Dialog
  int Id() const override { return template_.id; }
  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool IsChecked(int id) const override;
  void SetChecked(int id, bool checked) override;
  bool IsEnabled(int id) const override;
  void Enable(int id, bool enabled) override;
  bool IsVisible(int id) const override;
  void Show(int id, bool visible) override;
  void Focus(int id) override;
  void SetSpinRange(int spinId, int low, int high) override;
  void AddListItem(int id, std::string_view text) override;
  int ListSelection(int id) const override;
  void End(int result) override;

  // Runs the controller's initialisation; focus then goes to the first tab stop unless the
  // controller placed it.
  void Initialise();

  // User actions. Each returns false, changing nothing, when the control is absent,
  // disabled, hidden or of a kind that does not take the action.
  bool Click(int id);
  bool Type(int id, std::string_view text);
  bool PressSpin(int spinId, int delta);
  bool Select(int id, int index);
  // The close box or Escape; refused while the dialog's Cancel button is disabled.
  bool Close();
  void MenuCommand(int id);

  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  const ui::DialogTemplate& Template() const { return template_; }

  // The `show` line of zelvan-drive for control id; empty when there is no such control.
  std::string Describe(int id) const;

 private:
  struct Control {
    const ui::ControlTemplate* layout;
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    ui::SpinRange range{0, 100};
    int position = 0;
    std::vector<std::string> items;
    int selection = -1;
  };

  Control* Find(int id);
  const Control* Find(int id) const;
  Control* Usable(int id, ui::ControlKind kind);
  void ClearRadioGroup(const Control& chosen);
  void Notify(int id, ui::Notification notification);

  const ui::DialogTemplate& template_;
  ui::DialogController& controller_;
  std::vector<Control> controls_;
  int focus_ = 0;
  bool focusPlaced_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace zelvan::headless
