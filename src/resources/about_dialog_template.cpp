#include <array>

#include "resources/control_builders.h"
#include "resources/dialog_templates.h"

namespace zelvan::resources {

namespace {

using namespace build;

constexpr std::array kControls = std::to_array<ui::ControlTemplate>({
    ProgramIcon({10, 10, 21, 20}),
    Label("Zelvan, Version 4.20", {42, 10, 150, 8}),
    Label("ネルカ設定ファイルエディター\nCopyright (C) 2026 Zelvan developers", {42, 24, 150, 16}),
    DefaultButton(1, "OK", {146, 46, 50, 14}),
});

constexpr ui::DialogTemplate kAbout{
    .id = kAboutDialogId,
    .title = "バージョン情報 Zelvan",
    .rect = {0, 0, 204, 66},
    .fontName = kDialogFont,
    .fontPoints = 9,
    .controls = kControls,
};

}  // namespace

const ui::DialogTemplate& AboutDialogTemplate() { return kAbout; }

}  // namespace zelvan::resources
