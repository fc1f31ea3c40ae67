#include "resources/dialog_templates.h"

namespace zelvan::resources {

const ui::DialogTemplate* FindDialogTemplate(int id) {
  for (const auto* dialog : {&AboutDialogTemplate(), &MainWindowTemplate(), &CharaDialogTemplate(),
                             &ProgramDialogTemplate(), &ServoSelectDialogTemplate()}) {
    if (dialog->id == id) return dialog;
  }
  return nullptr;
}

}  // namespace zelvan::resources
