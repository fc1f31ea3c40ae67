#pragma once

#include <QDialog>
#include <QMenu>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"
#include "ui/dialog_controller.h"
#include "ui/dialog_template.h"
#include "ui/spin_step.h"

class QPushButton;

namespace zelvan::qt {

struct QtDialogOptions {
  // The About item in the window's context menu (the main window's stand-in for the
  // system menu, which X11 and Wayland do not let a program extend).
  bool aboutMenu = false;
};

// One dialog built from its template on Qt widgets, its controls driven by a controller.
// Every edit-box change reaches the controller once as TextChanged, whoever made it; clicks
// arrive after the control's own state change; the close box and Escape arrive as a click
// on Cancel (2), which the controller may ignore to keep the window open.
class QtDialog final : public QDialog, public ui::Dialog {
 public:
  QtDialog(const ui::DialogTemplate& dialog, ui::DialogController& controller, QWidget* owner,
           QtDialogOptions options = {});

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

  // The controller's initialisation; focus then goes to the first usable tab stop unless
  // the controller placed it.
  void Initialise();
  // Initialise, then run modally until End; returns End's value.
  int Run();

  bool Ended() const { return ended_; }
  int Result() const { return result_; }

  // The widget of control id (nullptr for none), and every widget in template order.
  QWidget* Widget(int id) const;
  const std::vector<QWidget*>& Widgets() const { return widgets_; }
  // The context menu of the window; nullptr when it has none.
  QMenu* WindowMenu() const { return windowMenu_; }

 protected:
  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Spin {
    ui::SpinRange range{0, 100};
    int position = 0;
  };

  int IndexOf(int id) const;
  void Connect(std::size_t index);
  void Notify(int id, ui::Notification notification);
  bool Usable(std::size_t index) const;
  void Step(std::size_t spinIndex, int delta);
  // The radios of the group that control index belongs to: [first, last).
  std::pair<std::size_t, std::size_t> GroupOf(std::size_t index) const;
  void CheckRadio(std::size_t index);
  void MoveInGroup(std::size_t index, bool forward);
  void RefreshGroupTabStop(std::size_t index);
  QPushButton* DefaultButton() const;

  const ui::DialogTemplate& template_;
  ui::DialogController& controller_;
  std::vector<QWidget*> widgets_;
  std::vector<Spin> spins_;     // parallel to widgets_; used by spin buttons only
  std::vector<int> spinOfBox_;  // parallel to widgets_: an edit box's spin button, or -1
  QMenu* windowMenu_ = nullptr;
  bool focusPlaced_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace zelvan::qt
