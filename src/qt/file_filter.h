#pragma once

#include <QStringList>
#include <string_view>

namespace zelvan::qt {

// Turns a classic filter, "label|pattern;pattern|label|pattern||", into Qt's name
// filters, "label (pattern pattern)", one per entry. Qt reads only a narrow set of ASCII
// characters inside the parentheses and splits at spaces, so anything else in a pattern
// (Japanese names like "サーボ01.LOG", spaces, brackets) becomes a wildcard: the list then
// shows a few files more, never fewer.
QStringList NameFilters(std::string_view classicFilter);

}  // namespace zelvan::qt
