#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "ui/dialog_controller.h"
#include "ui/dialog_template.h"

namespace zelvan::ui {

enum class MessageStyle {
  Report,           // OK, exclamation icon: reports and errors
  Question,         // Yes and No, question icon
  SaveQuestion,     // Yes, No and Cancel, question icon: the close question
  ConfirmQuestion,  // OK and Cancel, question icon
  Warning,          // OK, warning icon
};

enum class Answer { Ok, Cancel, Yes, No };

enum class MessageIcon { Exclamation, Question, Warning, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

struct MessageLook {
  MessageIcon icon;
  MessageButtons buttons;
};

constexpr MessageLook LookOf(MessageStyle style) {
  switch (style) {
    case MessageStyle::Report:
      return {MessageIcon::Exclamation, MessageButtons::Ok};
    case MessageStyle::Question:
      return {MessageIcon::Question, MessageButtons::YesNo};
    case MessageStyle::SaveQuestion:
      return {MessageIcon::Question, MessageButtons::YesNoCancel};
    case MessageStyle::ConfirmQuestion:
      return {MessageIcon::Question, MessageButtons::OkCancel};
    case MessageStyle::Warning:
      return {MessageIcon::Warning, MessageButtons::Ok};
  }
  return {MessageIcon::Exclamation, MessageButtons::Ok};
}

// A file-open request. The filter has its classic form, "label|pattern|label|pattern||".
struct FileRequest {
  std::string filter;
  std::string defaultExtension;
  std::string initialName;
  std::string initialFolder;
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Marks a blocking exchange (a card transfer) for as long as it lives.
class BusyScope {
 public:
  BusyScope() = default;
  explicit BusyScope(std::function<void()> release) : release_(std::move(release)) {}
  BusyScope(BusyScope&& other) noexcept : release_(std::exchange(other.release_, nullptr)) {}
  BusyScope& operator=(BusyScope&& other) noexcept {
    if (this != &other) {
      Release();
      release_ = std::exchange(other.release_, nullptr);
    }
    return *this;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  ~BusyScope() { Release(); }

 private:
  void Release() {
    if (release_) std::exchange(release_, nullptr)();
  }
  std::function<void()> release_;
};

// The common services of the window system.
class Host {
 public:
  virtual ~Host() = default;

  // Shows string-table message stringId; %1 is replaced by args[0].
  virtual Answer Message(int stringId, MessageStyle style,
                         std::span<const std::string> args = {}) = 0;
  // Returns the chosen file's full path (UTF-8), or nothing when cancelled.
  virtual std::optional<std::string> OpenFile(const FileRequest& request) = 0;
  virtual std::optional<Rgb> PickColour(Rgb preset) = 0;
  // Runs a dialog modally over the topmost open one; returns the value given to End.
  virtual int RunModal(const DialogTemplate& dialog, DialogController& controller) = 0;
  virtual BusyScope Busy() = 0;
};

}  // namespace zelvan::ui
