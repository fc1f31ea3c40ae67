#include "headless/script_line.h"

#include <array>
#include <charconv>
#include <utility>

namespace zelvan::headless {

namespace {

// Splits off the first word; the rest keeps everything after the one separating space.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
  const auto space = text.find(' ');
  if (space == std::string_view::npos) return {text, {}};
  return {text.substr(0, space), text.substr(space + 1)};
}

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const char* last = text.data() + text.size();
  auto [end, error] = std::from_chars(text.data(), last, value);
  if (text.empty() || error != std::errc() || end != last) return std::nullopt;
  return value;
}

constexpr std::array<std::pair<std::string_view, ui::Answer>, 4> kAnswers{{
    {"yes", ui::Answer::Yes},
    {"no", ui::Answer::No},
    {"cancel", ui::Answer::Cancel},
    {"ok", ui::Answer::Ok},
}};

std::optional<ScriptLine> WithId(Verb verb, std::string_view rest) {
  const auto id = ParseInt(rest);
  if (!id) return std::nullopt;
  return ScriptLine{.verb = verb, .id = *id};
}

std::optional<ScriptLine> ParseSpin(std::string_view rest) {
  auto [idText, after] = SplitWord(rest);
  auto [direction, countText] = SplitWord(after);
  const auto id = ParseInt(idText);
  if (!id || (direction != "up" && direction != "down")) return std::nullopt;
  int count = 1;
  if (!countText.empty()) {
    const auto parsed = ParseInt(countText);
    if (!parsed || *parsed < 1) return std::nullopt;
    count = *parsed;
  }
  return ScriptLine{.verb = Verb::Spin, .id = *id, .count = direction == "up" ? count : -count};
}

std::optional<ScriptLine> ParseColour(std::string_view rest) {
  if (rest == "cancel") return ScriptLine{.verb = Verb::Colour, .cancel = true};
  std::array<std::uint8_t, 3> parts{};
  for (auto& part : parts) {
    auto [word, after] = SplitWord(rest);
    const auto value = ParseInt(word);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    part = static_cast<std::uint8_t>(*value);
    rest = after;
  }
  if (!rest.empty()) return std::nullopt;
  return ScriptLine{.verb = Verb::Colour, .colour = ui::Rgb{parts[0], parts[1], parts[2]}};
}

}  // namespace

bool IsCommandLine(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] != '#';
}

std::optional<ScriptLine> ParseScriptLine(std::string_view line) {
  auto [verb, rest] = SplitWord(line);
  if (verb == "click") return WithId(Verb::Click, rest);
  if (verb == "show") return WithId(Verb::Show, rest);
  if (verb == "type") {
    auto [idText, text] = SplitWord(rest);
    auto parsed = WithId(Verb::Type, idText);
    if (parsed) parsed->text = std::string(text);
    return parsed;
  }
  if (verb == "spin") return ParseSpin(rest);
  if (verb == "select") {
    auto [idText, indexText] = SplitWord(rest);
    auto parsed = WithId(Verb::Select, idText);
    const auto index = ParseInt(indexText);
    if (!parsed || !index) return std::nullopt;
    parsed->count = *index;
    return parsed;
  }
  if (line == "close") return ScriptLine{.verb = Verb::Close};
  if (line == "about") return ScriptLine{.verb = Verb::About};
  if (line == "doc") return ScriptLine{.verb = Verb::Doc};
  if (verb == "answer") {
    for (const auto& [name, answer] : kAnswers) {
      if (rest == name) return ScriptLine{.verb = Verb::Answer, .answer = answer};
    }
    return std::nullopt;
  }
  if (verb == "file") {
    if (rest.empty()) return std::nullopt;
    if (rest == "cancel") return ScriptLine{.verb = Verb::File, .cancel = true};
    return ScriptLine{.verb = Verb::File, .text = std::string(rest)};
  }
  if (verb == "colour") return ParseColour(rest);
  return std::nullopt;
}

}  // namespace zelvan::headless
