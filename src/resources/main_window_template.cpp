#include <array>

#include "resources/control_builders.h"
#include "resources/dialog_templates.h"

namespace zelvan::resources {

namespace {

using namespace build;

// One servo's value box in the window: the box's ID (its spin button is the next ID), the
// body-part label, the three-line direction label, and the top-left corner of its row.
struct ServoCell {
  int box;
  std::string_view label;
  std::string_view direction;
  int x;
  int y;
};

// Columns seen from the front: the robot's right side on the viewer's left.
constexpr int kRightColumn = 4;
constexpr int kCentreColumn = 162;
constexpr int kLeftColumn = 320;
constexpr int kButtonColumn = 478;
constexpr int kRowHeight = 26;
constexpr int kArmTop = 4;
constexpr int kLegTop = 100;
constexpr int Row(int top, int index) { return top + 10 + index * kRowHeight; }

// In the order of every servo loop (servo ID 2 to 21), which is also the tab order.
constexpr std::array kServoCells = std::to_array<ServoCell>({
    {1004, "ID2(股横回転)", "足\n開\n閉", kRightColumn, Row(kLegTop, 0)},
    {1006, "ID3(股縦回転)", "足\n後\n前", kRightColumn, Row(kLegTop, 1)},
    {1008, "ID4(ヒザ)", "足\n畳\n伸", kRightColumn, Row(kLegTop, 2)},
    {1010, "ID5(足首縦回転)", "ﾂﾏ先\n上\n下", kRightColumn, Row(kLegTop, 3)},
    {1012, "ID6(足首横回転)", "足外側\n上方向\n下方向", kRightColumn, Row(kLegTop, 4)},
    {1014, "ID7(股横回転)", "足\n閉\n開", kLeftColumn, Row(kLegTop, 0)},
    {1016, "ID8(股縦回転)", "足\n前\n後", kLeftColumn, Row(kLegTop, 1)},
    {1018, "ID9(ヒザ)", "足\n伸\n畳", kLeftColumn, Row(kLegTop, 2)},
    {1020, "ID10(足首縦回転)", "ﾂﾏ先\n下\n上", kLeftColumn, Row(kLegTop, 3)},
    {1022, "ID11(足首横回転)", "足外側\n下方向\n上方向", kLeftColumn, Row(kLegTop, 4)},
    {1024, "ID12(腰旋回)", "上半身\n右\n左", kCentreColumn, kLegTop},
    {1026, "ID13(首旋回)", "顔\n左\n右", kCentreColumn, Row(kArmTop, 0)},
    {1028, "ID14(横回転)", "頭\n左\n右", kCentreColumn, Row(kArmTop, 1)},
    {1030, "ID15(縦回転)", "顔\n下\n上", kCentreColumn, Row(kArmTop, 2)},
    {1032, "ID16(肩縦回転)", "腕\n前\n後", kRightColumn, Row(kArmTop, 0)},
    {1034, "ID17(肩横回転)", "腕\n下\n上", kRightColumn, Row(kArmTop, 1)},
    {1036, "ID18(ヒジ)", "腕\n縮\n伸", kRightColumn, Row(kArmTop, 2)},
    {1038, "ID19(肩縦回転)", "腕\n後\n前", kLeftColumn, Row(kArmTop, 0)},
    {1040, "ID20(肩横回転)", "腕\n上\n下", kLeftColumn, Row(kArmTop, 1)},
    {1042, "ID21(ヒジ)", "腕\n伸\n縮", kLeftColumn, Row(kArmTop, 2)},
});

constexpr std::string_view kServoNote =
    "サーボの値は1/10度単位で指定して下さい。スピンボタンの右側の文字は隣のスピンボタンを押すと"
    "その方向に補正される事を表します。\n「左右」はネルカから見た方向です。";

constexpr int kArmFrameHeight = 3 * kRowHeight + 14;
constexpr int kLegFrameHeight = 5 * kRowHeight + 14;
constexpr int kColumnWidth = 152;

// Frames first: later controls lie above them and take the clicks.
constexpr std::array kFrames = std::to_array<ui::ControlTemplate>({
    Frame("右手サーボ", {kRightColumn, kArmTop, kColumnWidth, kArmFrameHeight}),
    Frame("頭サーボ", {kCentreColumn, kArmTop, kColumnWidth, kArmFrameHeight}),
    Frame("左手サーボ", {kLeftColumn, kArmTop, kColumnWidth, kArmFrameHeight}),
    Frame("右足サーボ", {kRightColumn, kLegTop, kColumnWidth, kLegFrameHeight}),
    Frame("左足サーボ", {kLeftColumn, kLegTop, kColumnWidth, kLegFrameHeight}),
});

constexpr int kButtonWidth = 80;
constexpr ui::DialogRect ButtonAt(int y) { return {kButtonColumn, y, kButtonWidth, 14}; }
constexpr ui::DialogRect CheckAt(int y) { return {kButtonColumn + 2, y, kButtonWidth - 2, 10}; }

constexpr int kAttenuatorTop = 186;
constexpr int kValueSetTop = 218;

// From "閉じる" to the attenuator's controls, in tab order.
constexpr std::array kCommands = std::to_array<ui::ControlTemplate>({
    Button(2, "閉じる", ButtonAt(232)),
    FirstRadio(1044, "原点補正値", {kCentreColumn + 6, kValueSetTop, 72, 10}),
    Radio(1045, "稼働範囲下限値", {kCentreColumn + 6, kValueSetTop + 12, 72, 10}),
    Radio(1046, "稼働範囲上限値", {kCentreColumn + 6, kValueSetTop + 24, 72, 10}),
    CheckBox(1003, "変更範囲制限", {kCentreColumn + 84, kValueSetTop, 66, 10}),
    Button(4, "読込み", ButtonAt(8)),
    Disabled(Button(5, "書出し", ButtonAt(25))),
    Button(9, "サーボログ読込み", ButtonAt(135)),
    Button(6, "標準値に戻す", ButtonAt(59)),
    CheckBox(1047, "リモート接続", CheckAt(173)),
    Disabled(Button(10, "リモート送信", ButtonAt(186))),
    Disabled(Button(11, "キャプチャー", ButtonAt(152))),
    Label("アッテネーター(音声)", {kCentreColumn + 6, kAttenuatorTop + 9, 84, 8}),
    Edit(1000, {kCentreColumn + 92, kAttenuatorTop + 7, 30, 12}),
    Spin(1001, 1000, {kCentreColumn + 122, kAttenuatorTop + 7, 10, 12}),
    Label("声\n小\n大", {kCentreColumn + 136, kAttenuatorTop + 1, 12, 24}),
    Button(8, "メインプログラム", ButtonAt(114)),
    Button(7, "初期化設定", ButtonAt(97)),
});

constexpr std::array kTail = std::to_array<ui::ControlTemplate>({
    CheckBox(1048, "FlashAir", CheckAt(207)),
    Disabled(Button(12, "設定値取込", ButtonAt(42))),
    Disabled(Button(13, "起動プログラム", ButtonAt(80))),
    Label(kServoNote, {kCentreColumn + 6, kLegTop + kRowHeight + 2, kColumnWidth - 8, 56}),
});

constexpr std::size_t kControlsPerServo = 4;
constexpr std::size_t kControlCount =
    kFrames.size() + kCommands.size() + kServoCells.size() * kControlsPerServo + kTail.size();

constexpr std::array<ui::ControlTemplate, kControlCount> BuildControls() {
  std::array<ui::ControlTemplate, kControlCount> controls{};
  std::size_t next = 0;
  for (const auto& control : kFrames) controls[next++] = control;
  for (const auto& control : kCommands) controls[next++] = control;
  for (const auto& cell : kServoCells) {
    controls[next++] = Edit(cell.box, {cell.x + 72, cell.y + 7, 34, 12});
    controls[next++] = Spin(cell.box + 1, cell.box, {cell.x + 106, cell.y + 7, 10, 12});
    controls[next++] = Label(cell.label, {cell.x + 6, cell.y + 9, 64, 8});
    controls[next++] = Label(cell.direction, {cell.x + 120, cell.y + 1, 28, 24});
  }
  for (const auto& control : kTail) controls[next++] = control;
  return controls;
}

constexpr auto kControls = BuildControls();

constexpr ui::DialogTemplate kMainWindow{
    .id = kMainWindowId,
    .title = "ネルカ設定ファイルエディター",
    .rect = {0, 0, kButtonColumn + kButtonWidth + 4, 260},
    .fontName = kDialogFont,
    .fontPoints = 9,
    .controls = kControls,
};

}  // namespace

const ui::DialogTemplate& MainWindowTemplate() { return kMainWindow; }

}  // namespace zelvan::resources
