#include "startup/value_rules.h"

#include <array>
#include <string>

#include "app/config.h"
#include "resources/main_window_ids.h"
#include "startup/servo_table.h"
#include "startup/startup_messages.h"
#include "startup/startup_settings.h"

namespace zelvan {

namespace {

using namespace main_window_ids;

// What "標準値に戻す" puts in every box of value sets 1 and 2: an unlimited movement range.
constexpr std::array<int, 3> kRestoredLimit = {0, -32767, 32767};

}  // namespace

void SwitchValueSet(const EditorContext& context, int valueSet) {
  EditorDocument& document = context.document;
  if (document.modified && context.host().Message(kUnsavedValuesMessage,
                                                  ui::MessageStyle::Question) == ui::Answer::Yes) {
    WriteStartupSettings(context);
  }
  document.valueSet = valueSet;
  context.window.Enable(kRangeLimitCheck, valueSet == 0);
  ApplySpinRanges(document, context.window);
  // Boxes left from the previous set must never be written into the new set's fields.
  if (!ReadStartupSettings(context, false, false)) ClearStartupFields(context.window);
}

void ToggleRangeLimit(const EditorContext& context) {
  const bool on = context.window.IsChecked(kRangeLimitCheck);
  if (!on && context.host().Message(kRangeLimitOffMessage, ui::MessageStyle::Question) !=
                 ui::Answer::Yes) {
    context.window.SetChecked(kRangeLimitCheck, true);
    return;
  }
  context.document.checkRange = on;
  config::WriteFlag(context.document.configPath, config::kCheckRange, on);
  ApplySpinRanges(context.document, context.window);
}

void ApplySpinRanges(const EditorDocument& document, ui::Dialog& window) {
  const bool limited = document.checkRange && document.valueSet == 0;
  for (const ServoRow& row : ServoTable) {
    const ValueRange range = ServoRange(row, limited);
    window.SetSpinRange(row.spinButton, range.low, range.high);
  }
}

void RestoreStandardValues(const EditorContext& context) {
  const int valueSet = context.document.valueSet;
  const int message = valueSet == 0 ? kRestoreStandardMessage : kRestoreUnlimitedMessage;
  if (context.host().Message(message, ui::MessageStyle::Question) != ui::Answer::Yes) return;
  for (const ServoRow& row : ServoTable) {
    const int value = valueSet == 0 ? row.standardValue : kRestoredLimit[valueSet];
    context.window.SetText(row.valueBox, std::to_string(value));
  }
}

}  // namespace zelvan
