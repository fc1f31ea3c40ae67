#include "ui/spin_step.h"

#include <algorithm>
#include <charconv>

namespace zelvan::ui {

std::optional<int> ParseSpinText(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

int SpinStep(std::string_view boxText, int lastPosition, SpinRange range, int delta) {
  const int low = std::min(range.low, range.high);
  const int high = std::max(range.low, range.high);
  const int direction = range.low <= range.high ? 1 : -1;
  const long long start = std::clamp(ParseSpinText(boxText).value_or(lastPosition), low, high);
  const long long next = start + static_cast<long long>(delta) * direction;
  return static_cast<int>(std::clamp<long long>(next, low, high));
}

std::string SpinText(int position) { return std::to_string(position); }

}  // namespace zelvan::ui
