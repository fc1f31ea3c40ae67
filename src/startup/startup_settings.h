#pragma once

#include "app/editor_context.h"

namespace zelvan {

// Reads STARTUP.XML (from the card, the stored path, or a file the user picks when
// askForFile) and shows the value set in the window's boxes. importOnly takes the values of
// another file into the image already held. True also when the user cancelled the file
// dialog; false after a failure, which the read has reported.
bool ReadStartupSettings(const EditorContext& context, bool askForFile, bool importOnly);

// Validates the boxes, encodes them into the image and writes it to the folder or the card.
bool WriteStartupSettings(const EditorContext& context);

// Empties the attenuator and servo boxes and disables the buttons that need a read file.
void ClearStartupFields(ui::Dialog& window);

}  // namespace zelvan
