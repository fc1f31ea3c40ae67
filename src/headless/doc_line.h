#pragma once

#include <string>

#include "app/editor_document.h"

namespace zelvan::headless {

// The `doc` line of zelvan-drive: the document's fields, one name=value pair each.
std::string DocLine(const EditorDocument& document);

}  // namespace zelvan::headless
