#pragma once

#include <optional>

#include "app/editor_context.h"
#include "startup/servo_table.h"

namespace zelvan {

// Reads one value box as a signed decimal and checks it against low..high (only in value
// set 0). On failure the box gets the focus and message 106, 107 or 108 is shown.
std::optional<int> ValidateValueBox(const EditorContext& context, int box, int low, int high);

inline std::optional<int> ValidateValueBox(const EditorContext& context, int box,
                                           ValueRange range) {
  return ValidateValueBox(context, box, range.low, range.high);
}

}  // namespace zelvan
