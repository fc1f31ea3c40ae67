#pragma once

#include "ui/dialog_template.h"

namespace zelvan::resources {

inline constexpr int kAboutDialogId = 100;
inline constexpr int kMainWindowId = 102;
inline constexpr int kProgramIconId = 128;
inline constexpr int kCharaDialogId = 129;
inline constexpr int kProgramDialogId = 130;
inline constexpr int kServoSelectDialogId = 131;

// The font every dialog asks for; the front ends fall back to a Japanese UI font.
inline constexpr std::string_view kDialogFont = "MS UI Gothic";

const ui::DialogTemplate& AboutDialogTemplate();
const ui::DialogTemplate& MainWindowTemplate();
const ui::DialogTemplate& CharaDialogTemplate();
const ui::DialogTemplate& ProgramDialogTemplate();
const ui::DialogTemplate& ServoSelectDialogTemplate();

// The template of dialog id, or nullptr.
const ui::DialogTemplate* FindDialogTemplate(int id);

}  // namespace zelvan::resources
