#pragma once

#include <QWidget>
#include <vector>

#include "ui/host.h"

namespace zelvan::qt {

// The window system's common services on Qt: message boxes, the file and colour dialogs,
// modal dialogs stacked over the topmost open one, and the wait cursor.
class QtHost final : public ui::Host {
 public:
  ui::Answer Message(int stringId, ui::MessageStyle style,
                     std::span<const std::string> args = {}) override;
  std::optional<std::string> OpenFile(const ui::FileRequest& request) override;
  std::optional<ui::Rgb> PickColour(ui::Rgb preset) override;
  int RunModal(const ui::DialogTemplate& dialog, ui::DialogController& controller) override;
  ui::BusyScope Busy() override;

  // The topmost dialog this host runs; nullptr when none is open.
  QWidget* Top() const { return open_.empty() ? nullptr : open_.back(); }

 private:
  std::vector<QWidget*> open_;
};

}  // namespace zelvan::qt
