#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "ui/host.h"

namespace zelvan::card::testing {

struct ShownMessage {
  int id = 0;
  ui::MessageStyle style = ui::MessageStyle::Report;
  std::vector<std::string> args;
  int busyDepth = 0;  // busy scopes open while the message was up
};

// Records the messages shown and the busy scopes taken; a card transfer needs nothing else.
class RecordingHost final : public ui::Host {
 public:
  ui::Answer Message(int stringId, ui::MessageStyle style,
                     std::span<const std::string> args) override {
    messages.push_back({stringId, style, {args.begin(), args.end()}, busyDepth});
    return ui::Answer::Ok;
  }
  std::optional<std::string> OpenFile(const ui::FileRequest&) override {
    ADD_FAILURE() << "a card transfer opened a file dialog";
    return std::nullopt;
  }
  std::optional<ui::Rgb> PickColour(ui::Rgb) override {
    ADD_FAILURE() << "a card transfer opened a colour dialog";
    return std::nullopt;
  }
  int RunModal(const ui::DialogTemplate&, ui::DialogController&) override {
    ADD_FAILURE() << "a card transfer opened a dialog";
    return 0;
  }
  ui::BusyScope Busy() override {
    ++busyDepth;
    ++busyScopesTaken;
    return ui::BusyScope([this] { --busyDepth; });
  }

  std::vector<ShownMessage> messages;
  int busyDepth = 0;
  int busyScopesTaken = 0;
};

class FixedClock final : public platform::Clock {
 public:
  explicit FixedClock(platform::LocalDateTime now = {2021, 10, 23, 17, 45, 30}) : now_(now) {}
  platform::LocalDateTime Now() const override { return now_; }

 private:
  platform::LocalDateTime now_;
};

}  // namespace zelvan::card::testing
