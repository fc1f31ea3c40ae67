#pragma once

#include "ui/dialog.h"

namespace zelvan::ui {

// Standard command IDs of dialog buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
// The About item of the main window's menu.
inline constexpr int kIdAboutCommand = 16;

enum class Notification {
  Clicked,           // push button, check box or radio button; also the close box (as kIdCancel)
  TextChanged,       // edit box text changed, whoever changed it
  SelectionChanged,  // drop-down list
  MenuCommand,       // window menu item such as kIdAboutCommand
};

// The behaviour of one dialog. Cancel (close box, Escape) arrives as command kIdCancel.
class DialogController {
 public:
  virtual ~DialogController() = default;

  virtual void OnInit(Dialog& /*dialog*/) {}

  // The default ends the dialog on OK and Cancel, as a plain dialog does.
  virtual void OnCommand(Dialog& dialog, int id, Notification notification) {
    if (notification != Notification::Clicked) return;
    if (id == kIdOk || id == kIdCancel) dialog.End(id);
  }
};

}  // namespace zelvan::ui
