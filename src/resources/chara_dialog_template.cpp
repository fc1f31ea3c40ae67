#include <array>

#include "resources/control_builders.h"
#include "resources/dialog_templates.h"

namespace zelvan::resources {

namespace {

using namespace build;

// One radio group of four: "not decided" and the three characters (or "initialised").
constexpr std::array kControls = std::to_array<ui::ControlTemplate>({
    FirstRadio(1002, "未決定", {10, 12, 52, 10}),
    Label("(初期化)", {22, 24, 40, 8}),
    Radio(1003, "やんちゃ", {68, 12, 52, 10}),
    Radio(1004, "ノーマル", {126, 12, 52, 10}),
    Radio(1005, "脳天気", {184, 12, 46, 10}),
    Button(4, "読込み", {10, 42, 52, 14}),
    Disabled(Button(5, "書出し", {68, 42, 52, 14})),
    Button(2, "閉じる", {178, 42, 52, 14}),
});

constexpr ui::DialogTemplate kChara{
    .id = kCharaDialogId,
    .title = "初期化設定ダイアログ",
    .rect = {0, 0, 240, 64},
    .fontName = kDialogFont,
    .fontPoints = 9,
    .controls = kControls,
};

}  // namespace

const ui::DialogTemplate& CharaDialogTemplate() { return kChara; }

}  // namespace zelvan::resources
