#include "startup/value_box.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "startup/startup_messages.h"

namespace zelvan {

namespace {

// The box is read into a buffer of 32 characters.
constexpr std::size_t kBoxTextLimit = 31;

bool IsSignedDecimal(std::string_view text) {
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  return std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// "-" alone, or a number beyond 32 bits, reads as 0.
int ReadValue(std::string_view text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

}  // namespace

std::optional<int> ValidateValueBox(const EditorContext& context, int box, int low, int high) {
  std::string text = context.window.Text(box);
  if (text.size() > kBoxTextLimit) text.resize(kBoxTextLimit);

  auto fail = [&](int message, std::span<const std::string> args = {}) -> std::optional<int> {
    context.window.Focus(box);
    context.host().Message(message, ui::MessageStyle::Report, args);
    return std::nullopt;
  };

  if (text.empty()) return fail(kNoNumberMessage);
  if (!IsSignedDecimal(text)) return fail(kNotDecimalMessage);
  const int value = ReadValue(text);
  if (context.document.valueSet != 0) return value;
  if (value >= low && value <= high) return value;
  const std::string range[] = {std::to_string(low) + "～" + std::to_string(high)};
  return fail(kOutOfRangeMessage, range);
}

}  // namespace zelvan
