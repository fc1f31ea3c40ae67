#pragma once

#include "app/app_services.h"
#include "app/editor_document.h"

namespace zelvan {

// Clears the remote servo command file so the robot does not replay old positions: 128 zero
// bytes as ADDON/SERVO.LOG on the card, or over an existing SERVO.LOG under the remote
// folder. Says nothing when that fails.
void ResetServoLog(const EditorDocument& document, const AppServices& services);

}  // namespace zelvan
