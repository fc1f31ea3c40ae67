#pragma once

#include <QIcon>
#include <QImage>

namespace zelvan::qt {

// The program's icon, a small robot head, drawn here at any size (transparent background).
QImage RenderProgramIcon(int side);

// The icon at the sizes window managers and the About box ask for. Needs the application.
QIcon ProgramIcon();

}  // namespace zelvan::qt
