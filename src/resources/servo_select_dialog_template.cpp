#include <array>

#include "resources/control_builders.h"
#include "resources/dialog_templates.h"

namespace zelvan::resources {

namespace {

using namespace build;

// The same arrangement as the main window: the robot's right side on the viewer's left.
constexpr int kRight = 6;
constexpr int kCentre = 104;
constexpr int kLeft = 202;
constexpr int kColumnWidth = 92;
constexpr int kArmTop = 28;
constexpr int kLegTop = 82;
constexpr int kStep = 12;

constexpr ui::DialogRect Check(int column, int top, int index) {
  return {column + 8, top + 12 + index * kStep, kColumnWidth - 12, 10};
}

constexpr std::array kControls = std::to_array<ui::ControlTemplate>({
    Frame("右足サーボ", {kRight, kLegTop, kColumnWidth, 5 * kStep + 16}),
    Frame("左足サーボ", {kLeft, kLegTop, kColumnWidth, 5 * kStep + 16}),
    Frame("頭サーボ", {kCentre, kArmTop, kColumnWidth, 3 * kStep + 16}),
    Frame("右手サーボ", {kRight, kArmTop, kColumnWidth, 3 * kStep + 16}),
    Frame("左手サーボ", {kLeft, kArmTop, kColumnWidth, 3 * kStep + 16}),
    Label("サーボログを適応するサーボを選択してください。\n"
          "適応するサーボにチェックを付けてOKボタンを押して下さい。",
          {8, 6, 286, 16}),
    CheckBox(1004, "ID2(股横回転)", Check(kRight, kLegTop, 0)),
    CheckBox(1006, "ID3(股縦回転)", Check(kRight, kLegTop, 1)),
    CheckBox(1008, "ID4(ヒザ)", Check(kRight, kLegTop, 2)),
    CheckBox(1010, "ID5(足首縦回転)", Check(kRight, kLegTop, 3)),
    CheckBox(1012, "ID6(足首横回転)", Check(kRight, kLegTop, 4)),
    CheckBox(1014, "ID7(股横回転)", Check(kLeft, kLegTop, 0)),
    CheckBox(1016, "ID8(股縦回転)", Check(kLeft, kLegTop, 1)),
    CheckBox(1018, "ID9(ヒザ)", Check(kLeft, kLegTop, 2)),
    CheckBox(1020, "ID10(足首縦回転)", Check(kLeft, kLegTop, 3)),
    CheckBox(1022, "ID11(足首横回転)", Check(kLeft, kLegTop, 4)),
    CheckBox(1024, "ID12(腰旋回)", Check(kCentre, kLegTop, 0)),
    CheckBox(1026, "ID13(首旋回)", Check(kCentre, kArmTop, 0)),
    CheckBox(1028, "ID14(横回転)", Check(kCentre, kArmTop, 1)),
    CheckBox(1030, "ID15(縦回転)", Check(kCentre, kArmTop, 2)),
    CheckBox(1032, "ID16(肩縦回転)", Check(kRight, kArmTop, 0)),
    CheckBox(1034, "ID17(肩横回転)", Check(kRight, kArmTop, 1)),
    CheckBox(1036, "ID18(ヒジ)", Check(kRight, kArmTop, 2)),
    CheckBox(1038, "ID19(肩縦回転)", Check(kLeft, kArmTop, 0)),
    CheckBox(1040, "ID20(肩横回転)", Check(kLeft, kArmTop, 1)),
    CheckBox(1042, "ID21(ヒジ)", Check(kLeft, kArmTop, 2)),
    DefaultButton(1, "OK", {kLeft - 16, 164, 52, 14}),
    Button(2, "キャンセル", {kLeft + 40, 164, 52, 14}),
});

constexpr ui::DialogTemplate kServoSelect{
    .id = kServoSelectDialogId,
    .title = "サーボログ適応サーボ選択",
    .rect = {0, 0, kLeft + kColumnWidth + 6, 184},
    .fontName = kDialogFont,
    .fontPoints = 9,
    .controls = kControls,
};

}  // namespace

const ui::DialogTemplate& ServoSelectDialogTemplate() { return kServoSelect; }

}  // namespace zelvan::resources
