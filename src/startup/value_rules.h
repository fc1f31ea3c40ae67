#pragma once

#include "app/editor_context.h"

namespace zelvan {

// Shows value set 0 (origin correction), 1 (lower limit) or 2 (upper limit), offering to
// save unsaved values first and reading the file again.
void SwitchValueSet(const EditorContext& context, int valueSet);

// Follows the range-limit check box after a click; turning the limit off asks first.
void ToggleRangeLimit(const EditorContext& context);

// The servo spin ranges for the current range limit and value set.
void ApplySpinRanges(const EditorDocument& document, ui::Dialog& window);

// Puts the standard values of the value set shown into the servo boxes, after asking.
void RestoreStandardValues(const EditorContext& context);

}  // namespace zelvan
