#include "qt/file_filter.h"
#include "qt/qt_text.h"

#include <QString>

namespace zelvan::qt {

namespace {

// The characters Qt's file dialog accepts between a filter's parentheses, less the space
// that separates patterns and the brackets that would start a character class.
bool KeptAsIs(QChar ch) {
  if (ch.unicode() >= 0x80) return false;
  if (ch.isLetterOrNumber()) return true;
  return QStringLiteral("_.,*?+#-@{}/!<>$%&=^~:|").contains(ch);
}

QString QtPattern(const QString& pattern) {
  QString result;
  for (const QChar ch : pattern) {
    if (KeptAsIs(ch)) {
      result += ch;
    } else if (ch.unicode() < 0x80) {
      result += u'?';
    } else if (!result.endsWith(u'*')) {
      // A run of other characters, however it is composed, matches any run.
      result += u'*';
    }
  }
  return result;
}

}  // namespace

QStringList NameFilters(std::string_view classicFilter) {
  const QString classic = FromUtf8(classicFilter);
  const QStringList parts = classic.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& label = parts[i];
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
      const QString converted = QtPattern(pattern.trimmed());
      if (!converted.isEmpty() && !patterns.contains(converted)) patterns << converted;
    }
    if (label.isEmpty() && patterns.isEmpty()) break;  // the closing "||"
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    filters << (label.isEmpty() ? patterns.join(u' ') : label) + QStringLiteral(" (") +
                   patterns.join(u' ') + u')';
  }
  return filters;
}

}  // namespace zelvan::qt
