#include "headless/headless_host.h"

#include <algorithm>

#include "headless/quote.h"
#include "resources/string_table.h"

namespace zelvan::headless {

namespace {

std::string_view IconName(ui::MessageIcon icon) {
  switch (icon) {
    case ui::MessageIcon::Exclamation:
      return "exclamation";
    case ui::MessageIcon::Question:
      return "question";
    case ui::MessageIcon::Warning:
      return "warning";
    case ui::MessageIcon::Information:
      return "information";
  }
  return "exclamation";
}

std::string_view ButtonsName(ui::MessageButtons buttons) {
  switch (buttons) {
    case ui::MessageButtons::Ok:
      return "ok";
    case ui::MessageButtons::OkCancel:
      return "okcancel";
    case ui::MessageButtons::YesNo:
      return "yesno";
    case ui::MessageButtons::YesNoCancel:
      return "yesnocancel";
  }
  return "ok";
}

bool Offers(ui::MessageButtons buttons, ui::Answer answer) {
  switch (buttons) {
    case ui::MessageButtons::Ok:
      return answer == ui::Answer::Ok;
    case ui::MessageButtons::OkCancel:
      return answer == ui::Answer::Ok || answer == ui::Answer::Cancel;
    case ui::MessageButtons::YesNo:
      return answer == ui::Answer::Yes || answer == ui::Answer::No;
    case ui::MessageButtons::YesNoCancel:
      return answer != ui::Answer::Ok;
  }
  return false;
}

std::string RgbText(ui::Rgb colour) {
  return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
         std::to_string(colour.blue);
}

}  // namespace

std::string_view AnswerName(ui::Answer answer) {
  switch (answer) {
    case ui::Answer::Ok:
      return "ok";
    case ui::Answer::Cancel:
      return "cancel";
    case ui::Answer::Yes:
      return "yes";
    case ui::Answer::No:
      return "no";
  }
  return "ok";
}

HeadlessHost::HeadlessHost(std::ostream& out, std::function<void()> nextAction)
    : out_(out), nextAction_(std::move(nextAction)) {}

ui::Answer HeadlessHost::Message(int stringId, ui::MessageStyle style,
                                 std::span<const std::string> args) {
  const ui::MessageLook look = ui::LookOf(style);
  const std::string text = resources::FormatMessage(stringId, args);
  ui::Answer answer = ui::Answer::Ok;
  if (look.buttons != ui::MessageButtons::Ok) {
    if (answers_.empty()) {
      throw ScriptError("message " + std::to_string(stringId) + " " +
                        std::string(ButtonsName(look.buttons)) + " " + Quote(text) +
                        " has no queued answer");
    }
    answer = answers_.front();
    if (!Offers(look.buttons, answer)) {
      throw ScriptError("answer " + std::string(AnswerName(answer)) + " does not fit message " +
                        std::to_string(stringId) + " with buttons " +
                        std::string(ButtonsName(look.buttons)));
    }
    answers_.pop_front();
  }
  out_ << "message " << stringId << ' ' << IconName(look.icon) << ' ' << ButtonsName(look.buttons)
       << ' ' << Quote(text) << " -> " << AnswerName(answer) << '\n';
  return answer;
}

std::optional<std::string> HeadlessHost::OpenFile(const ui::FileRequest& request) {
  const std::string line =
      "file filter=" + Quote(request.filter) + " name=" + Quote(request.initialName) +
      " ext=" + Quote(request.defaultExtension) + " folder=" + Quote(request.initialFolder);
  if (files_.empty()) throw ScriptError(line + " has no queued answer");
  std::optional<std::string> path = std::move(files_.front());
  files_.pop_front();
  out_ << line << " -> " << (path ? Quote(*path) : std::string("cancel")) << '\n';
  return path;
}

std::optional<ui::Rgb> HeadlessHost::PickColour(ui::Rgb preset) {
  const std::string line = "colour " + RgbText(preset);
  if (colours_.empty()) throw ScriptError(line + " has no queued answer");
  const std::optional<ui::Rgb> colour = colours_.front();
  colours_.pop_front();
  out_ << line << " -> " << (colour ? RgbText(*colour) : std::string("cancel")) << '\n';
  return colour;
}

int HeadlessHost::RunModal(const ui::DialogTemplate& dialog, ui::DialogController& controller) {
  HeadlessDialog window(dialog, controller);
  dialogs_.push_back(&window);
  struct Pop {
    std::vector<HeadlessDialog*>& dialogs;
    ~Pop() { dialogs.pop_back(); }
  } pop{dialogs_};

  out_ << "open " << dialog.id << ' ' << Quote(dialog.title) << '\n';
  window.Initialise();
  while (!window.Ended()) nextAction_();
  out_ << "end " << dialog.id << ' ' << (window.Result() == ui::kIdOk ? "ok" : "cancel") << '\n';
  return window.Result();
}

ui::BusyScope HeadlessHost::Busy() {
  ++busyCount_;
  ++busyDepth_;
  return ui::BusyScope([this] { --busyDepth_; });
}

}  // namespace zelvan::headless
