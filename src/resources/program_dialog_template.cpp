#include <array>

#include "resources/control_builders.h"
#include "resources/dialog_templates.h"

namespace zelvan::resources {

namespace {

using namespace build;

constexpr int kLeft = 6;
constexpr int kRight = 168;
constexpr int kHalf = 156;
constexpr int kEyeTop = 166;
constexpr int kEditionTop = 222;

constexpr ui::DialogRect Option(int column, int y, int width = 136) {
  return {column + 8, y, width, 10};
}

constexpr std::array kControls = std::to_array<ui::ControlTemplate>({
    Frame("サーボトルク", {kLeft, 6, kHalf, 62}),
    Frame("音声認識", {kRight, 6, kHalf, 40}),
    Frame("人感センサーによる向き制御", {kRight, 50, kHalf, 40}),
    Frame("電圧監視", {kLeft, 72, kHalf, 88}),
    Frame("タイムアウト監視", {kRight, 94, kHalf, 66}),
    Frame("アイドリング時の目の色", {kLeft, kEyeTop, 318, 50}),

    Button(2, "閉じる", {264, 254, 60, 14}),
    Disabled(Hidden(CheckBox(1055, "ソランモード", {140, 256, 60, 10}))),
    Button(4, "読込み", {kLeft, 254, 60, 14}),
    Disabled(Button(5, "書出し", {kLeft + 64, 254, 60, 14})),

    FirstRadio(1045, "オン(標準)", Option(kLeft, 18)),
    Radio(1046, "オフ(脱力化)", Option(kLeft, 30)),
    Disabled(Radio(1067, "アイドリングオフ\n(徐立ちポーズ)", {kLeft + 8, 42, 136, 18})),

    FirstRadio(1056, "行う(標準)", Option(kRight, 18)),
    Radio(1057, "行わない", Option(kRight, 30)),

    FirstRadio(1047, "監視する(標準)", Option(kLeft, 84)),
    Radio(1048, "監視しない", Option(kLeft, 96)),
    Radio(1049, "任意の電圧で監視", Option(kLeft, 108)),
    Disabled(DigitsEdit(1050, {kLeft + 18, 120, 40, 12})),
    Disabled(CheckBox(1062, "電圧低下警告", {kLeft + 8, 140, 68, 10})),
    Disabled(FirstRadio(1063, "2200", {kLeft + 80, 140, 32, 10})),
    Disabled(Radio(1064, "2100", {kLeft + 116, 140, 32, 10})),

    FirstRadio(1051, "監視する(標準)", Option(kRight, 106)),
    Radio(1052, "監視しない", Option(kRight, 118)),
    Radio(1053, "任意の時間で監視", Option(kRight, 130)),
    Disabled(DigitsEdit(1054, {kRight + 18, 142, 44, 12})),

    FirstRadio(1058, "行う(標準)", Option(kRight, 62)),
    Radio(1059, "行わない", Option(kRight, 74)),

    CheckBox(1060, "橙色(標準)", {kLeft + 8, kEyeTop + 14, 66, 10}),
    CheckBox(1061, "省エネ(輝度減)", {kLeft + 78, kEyeTop + 14, 78, 10}),
    Button(6, "任意色設定", {kLeft + 162, kEyeTop + 12, 62, 14}),
    CheckBox(1065, "点滅なし", {kLeft + 234, kEyeTop + 14, 60, 10}),
    DropDown(1070, {kLeft + 8, kEyeTop + 30, 92, 12}),
    // Lies over the list's face until a pattern is chosen.
    Label(1072, " パターン表示", {kLeft + 12, kEyeTop + 32, 70, 8}),
    CheckBox(1066, "左右対称", {kLeft + 108, kEyeTop + 31, 60, 10}),

    FirstRadio(1073, "通常版", {kLeft + 8, kEditionTop, 100, 10}),
    Radio(1074, "ネルカのミルテ２", {kLeft + 112, kEditionTop, 100, 10}),
    Radio(1075, "ソランモード", {kLeft + 216, kEditionTop, 100, 10}),
    Radio(1076, "ネルカのミルテ2DX", {kLeft + 8, kEditionTop + 12, 100, 10}),
    Radio(1077, "ネルカライド", {kLeft + 112, kEditionTop + 12, 100, 10}),
    Radio(1078, "ミルテリンク", {kLeft + 216, kEditionTop + 12, 100, 10}),

    Label("(1ボルト=310)", {kLeft + 62, 122, 70, 8}),
    Label("(1分=3600)", {kRight + 66, 144, 70, 8}),
});

constexpr ui::DialogTemplate kProgram{
    .id = kProgramDialogId,
    .title = "メインプログラム編集ダイアログ",
    .rect = {0, 0, 330, 274},
    .fontName = kDialogFont,
    .fontPoints = 9,
    .controls = kControls,
};

}  // namespace

const ui::DialogTemplate& ProgramDialogTemplate() { return kProgram; }

}  // namespace zelvan::resources
