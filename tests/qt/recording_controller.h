#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/dialog_controller.h"

namespace zelvan::qt::testing {

struct Event {
  int id;
  ui::Notification notification;
  std::string text;           // the control's text when the handler ran
  std::vector<bool> watched;  // the check states of the watched controls at that moment
};

// Records every command with the state the handler sees; ends the dialog only when told.
class RecordingController final : public ui::DialogController {
 public:
  void OnInit(ui::Dialog& dialog) override {
    if (onInit) onInit(dialog);
  }
  void OnCommand(ui::Dialog& dialog, int id, ui::Notification notification) override {
    Event event{id, notification, dialog.Text(id), {}};
    for (const int watchedId : watch) event.watched.push_back(dialog.IsChecked(watchedId));
    events.push_back(std::move(event));
    if (onCommand) onCommand(dialog, id, notification);
  }

  std::vector<int> watch;
  std::vector<Event> events;
  std::function<void(ui::Dialog&)> onInit;
  std::function<void(ui::Dialog&, int, ui::Notification)> onCommand;
};

}  // namespace zelvan::qt::testing
