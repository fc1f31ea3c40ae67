#include "qt/dialog_units.h"
#include "qt/qt_text.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace zelvan::qt {

namespace {

// Rounds a*b/c to the nearest integer, halves away from zero.
int ScaleRounded(int a, int b, int c) {
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

// Japanese UI fonts in the order we take them when the dialog's own font is missing. The
// proportional IPA face comes first: like the dialog's own font it sets Latin letters
// narrower than ideographs, which the captions' widths were laid out for.
const char* const kFallbackFamilies[] = {
    "IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "Noto Sans JP", "Source Han Sans JP",
    "VL PGothic", "VL Gothic", "TakaoPGothic",     "TakaoGothic",
};

QString InstalledFamily(const QStringList& installed, const QString& wanted) {
  for (const QString& family : installed) {
    if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family;
  }
  return {};
}

}  // namespace

DialogUnits DialogUnits::Of(const QFont& font) {
  const QFontMetrics metrics(font);
  // Windows' rule: half the advance of the 52 letters over 26, rounded; the font's height.
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  DialogUnits units;
  units.baseX = std::max(1, (letters / 26 + 1) / 2);
  units.baseY = std::max(1, metrics.height());
  return units;
}

int DialogUnits::X(int units) const { return ScaleRounded(units, baseX, 4); }

int DialogUnits::Y(int units) const { return ScaleRounded(units, baseY, 8); }

QRect DialogUnits::ToPixels(const ui::DialogRect& rect) const {
  return {X(rect.x), Y(rect.y), X(rect.width), Y(rect.height)};
}

QFont DialogFont(std::string_view family, int points) {
  const QStringList installed = QFontDatabase::families();
  QString chosen = InstalledFamily(installed, FromUtf8(family));
  for (const char* fallback : kFallbackFamilies) {
    if (!chosen.isEmpty()) break;
    chosen = InstalledFamily(installed, QString::fromLatin1(fallback));
  }
  if (chosen.isEmpty()) {
    // Any face that writes Japanese, a gothic (sans) one when there is a choice.
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& candidate : japanese) {
      if (candidate.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
          candidate.contains(QStringLiteral("Sans"), Qt::CaseInsensitive)) {
        chosen = candidate;
        break;
      }
    }
    if (chosen.isEmpty() && !japanese.isEmpty()) chosen = japanese.front();
  }
  QFont font = chosen.isEmpty() ? QGuiApplication::font() : QFont(chosen);
  font.setPointSize(points);
  return font;
}

}  // namespace zelvan::qt
