#pragma once

#include <QFont>
#include <QRect>
#include <string_view>

#include "ui/dialog_template.h"

namespace zelvan::qt {

// Dialog units of a font: a template's numbers are quarters of the font's average
// character width (x) and eighths of its height (y), so a layout grows with its font.
struct DialogUnits {
  int baseX = 1;
  int baseY = 1;

  static DialogUnits Of(const QFont& font);

  int X(int units) const;
  int Y(int units) const;
  QRect ToPixels(const ui::DialogRect& rect) const;
};

// The dialog font: the family asked for where it is installed, else a Japanese UI font of
// the system, at the given size in points.
QFont DialogFont(std::string_view family, int points);

}  // namespace zelvan::qt
