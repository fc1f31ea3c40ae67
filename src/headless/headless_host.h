#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "headless/headless_dialog.h"
#include "ui/host.h"

namespace zelvan::headless {

// The script ran out while dialogs were open: the driver stops where it is.
struct ScriptEnded {};

// The script cannot go on (a question without a queued answer, an unknown line, ...).
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The window system without windows: dialogs in memory, answers from a queue, and every
// event printed as one line. A modal run takes user actions from the script until the
// dialog ends; these two exceptions unwind the editor's call stack back to the driver, the
// one place that catches them.
class HeadlessHost final : public ui::Host {
 public:
  // nextAction runs the next script line against the topmost dialog; it throws ScriptEnded
  // when there is none.
  HeadlessHost(std::ostream& out, std::function<void()> nextAction);

  ui::Answer Message(int stringId, ui::MessageStyle style,
                     std::span<const std::string> args = {}) override;
  std::optional<std::string> OpenFile(const ui::FileRequest& request) override;
  std::optional<ui::Rgb> PickColour(ui::Rgb preset) override;
  int RunModal(const ui::DialogTemplate& dialog, ui::DialogController& controller) override;
  ui::BusyScope Busy() override;

  HeadlessDialog* Top() { return dialogs_.empty() ? nullptr : dialogs_.back(); }
  // The first dialog opened: the main window.
  HeadlessDialog* Bottom() { return dialogs_.empty() ? nullptr : dialogs_.front(); }
  // How many busy scopes were opened, and how many are open now.
  int BusyCount() const { return busyCount_; }
  int BusyDepth() const { return busyDepth_; }

  void QueueAnswer(ui::Answer answer) { answers_.push_back(answer); }
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void QueueColour(std::optional<ui::Rgb> colour) { colours_.push_back(colour); }
  bool HasUnusedAnswers() const {
    return !answers_.empty() || !files_.empty() || !colours_.empty();
  }

 private:
  std::ostream& out_;
  std::function<void()> nextAction_;
  std::vector<HeadlessDialog*> dialogs_;
  std::deque<ui::Answer> answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<ui::Rgb>> colours_;
  int busyCount_ = 0;
  int busyDepth_ = 0;
};

std::string_view AnswerName(ui::Answer answer);

}  // namespace zelvan::headless
