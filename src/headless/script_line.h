#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/host.h"

namespace zelvan::headless {

enum class Verb { Click, Type, Spin, Select, Close, About, Answer, File, Colour, Show, Doc };

// One parsed script line.
struct ScriptLine {
  Verb verb = Verb::Doc;
  int id = 0;
  std::string text;  // type: the new text; file: the path
  int count = 1;     // spin: presses (negative for down); select: the index
  ui::Answer answer = ui::Answer::Ok;
  std::optional<ui::Rgb> colour;
  bool cancel = false;  // file cancel, colour cancel
};

// Nothing for a line that is not one of the commands.
std::optional<ScriptLine> ParseScriptLine(std::string_view line);

// Blank lines and comments carry no command.
bool IsCommandLine(std::string_view line);

}  // namespace zelvan::headless
