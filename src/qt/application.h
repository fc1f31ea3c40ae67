#pragma once

class QApplication;

namespace zelvan::qt {

// The application-wide look: Qt's own Fusion style (the fixed layouts are measured with it,
// whatever style the desktop prefers), the dialog font for message boxes and file dialogs,
// the program icon, and the desktop entry's name. The run ends when the main window's
// dialog ends, not when the last window closes.
void PrepareApplication(QApplication& app);

}  // namespace zelvan::qt
