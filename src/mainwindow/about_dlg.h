#pragma once

#include "ui/dialog_controller.h"

namespace zelvan {

// The About box: closes on OK, Escape or its close box, and does nothing else.
class CAboutDlg final : public ui::DialogController {};

}  // namespace zelvan
