#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelvan::ui {

struct SpinRange {
  int low = 0;
  int high = 100;
};

// A box's text as the spin button reads it: an optional minus sign and digits, nothing else.
std::optional<int> ParseSpinText(std::string_view text);

// The position after one arrow press: the box's number (or the last position when the box
// holds no number), kept in the range, moved by delta and kept in the range again.
// A range given high-to-low runs backwards, so the up arrow still moves towards "high".
int SpinStep(std::string_view boxText, int lastPosition, SpinRange range, int delta);

// The text a spin button writes into its box: a plain signed decimal, no digit grouping.
std::string SpinText(int position);

}  // namespace zelvan::ui
