#pragma once

#include <QDialog>
#include <QWidget>
#include <vector>

#include "ui/dialog_template.h"

namespace zelvan::qt {

// Builds a dialog template inside an empty window: its font, title and fixed client size,
// and one widget per control, placed by the template's dialog units. The result holds the
// widgets in template order, so widgets[i] is controls[i]; template order is also the tab
// order. Behaviour (clicks, notifications) is left to the caller.
std::vector<QWidget*> RenderTemplate(const ui::DialogTemplate& dialog, QDialog& window);

}  // namespace zelvan::qt
