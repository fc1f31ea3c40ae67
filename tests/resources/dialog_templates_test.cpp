#include "resources/dialog_templates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zelvan::resources {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogRect;
using ui::DialogTemplate;

struct Expected {
  int id;
  ControlKind kind;
  std::string_view caption;
};

constexpr auto kPush = ControlKind::PushButton;
constexpr auto kDefault = ControlKind::DefaultPushButton;
constexpr auto kCheck = ControlKind::AutoCheckBox;
constexpr auto kRadio = ControlKind::AutoRadioButton;
constexpr auto kEdit = ControlKind::EditBox;
constexpr auto kList = ControlKind::DropDownList;
constexpr auto kLabel = ControlKind::StaticLabel;

void ExpectControls(const DialogTemplate& dialog, std::initializer_list<Expected> expected) {
  for (const auto& e : expected) {
    const ControlTemplate* control = dialog.Find(e.id);
    ASSERT_NE(control, nullptr) << "dialog " << dialog.id << " control " << e.id;
    EXPECT_EQ(control->kind, e.kind) << "control " << e.id;
    EXPECT_EQ(control->caption, e.caption) << "control " << e.id;
  }
}

std::vector<std::string_view> CaptionsOf(const DialogTemplate& dialog, ControlKind kind) {
  std::vector<std::string_view> captions;
  for (const auto& control : dialog.controls) {
    if (control.kind == kind) captions.push_back(control.caption);
  }
  return captions;
}

void ExpectCaptions(const DialogTemplate& dialog, ControlKind kind,
                    std::initializer_list<std::string_view> expected) {
  const auto captions = CaptionsOf(dialog, kind);
  for (auto caption : expected) {
    EXPECT_NE(std::find(captions.begin(), captions.end(), caption), captions.end())
        << "dialog " << dialog.id << " lacks \"" << caption << "\"";
  }
}

// Interactive controls in template order, which is the tab order.
std::vector<int> TabOrder(const DialogTemplate& dialog) {
  std::vector<int> ids;
  for (const auto& control : dialog.controls) {
    const bool interactive =
        control.kind != ControlKind::StaticLabel && control.kind != ControlKind::GroupBox &&
        control.kind != ControlKind::SpinButton && control.kind != ControlKind::Icon;
    if (interactive) ids.push_back(control.id);
  }
  return ids;
}

// Radio groups as lists of IDs: a group runs from a group start to the next one.
std::vector<std::vector<int>> RadioGroups(const DialogTemplate& dialog) {
  std::vector<std::vector<int>> groups;
  bool open = false;
  for (const auto& control : dialog.controls) {
    if (control.groupStart) open = false;
    if (control.kind != ControlKind::AutoRadioButton) continue;
    if (!open) groups.emplace_back();
    open = true;
    groups.back().push_back(control.id);
  }
  return groups;
}

const std::vector<int> kServoBoxes = {1004, 1006, 1008, 1010, 1012, 1014, 1016, 1018, 1020, 1022,
                                      1024, 1026, 1028, 1030, 1032, 1034, 1036, 1038, 1040, 1042};

TEST(MainWindowTemplate, HasTitleFontAndEveryCommandControl) {
  const auto& dialog = MainWindowTemplate();
  EXPECT_EQ(dialog.id, 102);
  EXPECT_EQ(dialog.title, "ネルカ設定ファイルエディター");
  EXPECT_EQ(dialog.fontName, "MS UI Gothic");
  EXPECT_EQ(dialog.fontPoints, 9);
  ExpectControls(dialog, {{2, kPush, "閉じる"},
                          {4, kPush, "読込み"},
                          {5, kPush, "書出し"},
                          {6, kPush, "標準値に戻す"},
                          {7, kPush, "初期化設定"},
                          {8, kPush, "メインプログラム"},
                          {9, kPush, "サーボログ読込み"},
                          {10, kPush, "リモート送信"},
                          {11, kPush, "キャプチャー"},
                          {12, kPush, "設定値取込"},
                          {13, kPush, "起動プログラム"},
                          {1044, kRadio, "原点補正値"},
                          {1045, kRadio, "稼働範囲下限値"},
                          {1046, kRadio, "稼働範囲上限値"},
                          {1003, kCheck, "変更範囲制限"},
                          {1047, kCheck, "リモート接続"},
                          {1048, kCheck, "FlashAir"},
                          {1000, kEdit, ""}});
  for (int id : {5, 10, 11, 12, 13}) EXPECT_TRUE(dialog.Find(id)->disabled) << id;
  for (int id : {2, 4, 6, 7, 8, 9, 1003, 1044, 1047, 1048}) {
    EXPECT_FALSE(dialog.Find(id)->disabled) << id;
  }
}

TEST(MainWindowTemplate, EveryValueBoxHasItsSpinAndLabels) {
  const auto& dialog = MainWindowTemplate();
  for (int box : kServoBoxes) {
    const ControlTemplate* edit = dialog.Find(box);
    const ControlTemplate* spin = dialog.Find(box + 1);
    ASSERT_TRUE(edit && spin) << box;
    EXPECT_EQ(edit->kind, ControlKind::EditBox);
    EXPECT_FALSE(edit->digitsOnly) << "any character can be typed into " << box;
    EXPECT_EQ(spin->kind, ControlKind::SpinButton);
    EXPECT_EQ(spin->buddy, box);
  }
  EXPECT_EQ(dialog.Find(1001)->buddy, 1000);
  ExpectCaptions(dialog, kLabel,
                 {"アッテネーター(音声)",
                  "ID2(股横回転)",
                  "ID3(股縦回転)",
                  "ID4(ヒザ)",
                  "ID5(足首縦回転)",
                  "ID6(足首横回転)",
                  "ID7(股横回転)",
                  "ID8(股縦回転)",
                  "ID9(ヒザ)",
                  "ID10(足首縦回転)",
                  "ID11(足首横回転)",
                  "ID12(腰旋回)",
                  "ID13(首旋回)",
                  "ID14(横回転)",
                  "ID15(縦回転)",
                  "ID16(肩縦回転)",
                  "ID17(肩横回転)",
                  "ID18(ヒジ)",
                  "ID19(肩縦回転)",
                  "ID20(肩横回転)",
                  "ID21(ヒジ)",
                  "声\n小\n大",
                  "足\n開\n閉",
                  "足\n後\n前",
                  "足\n畳\n伸",
                  "ﾂﾏ先\n上\n下",
                  "足外側\n上方向\n下方向",
                  "足\n閉\n開",
                  "足\n前\n後",
                  "足\n伸\n畳",
                  "ﾂﾏ先\n下\n上",
                  "足外側\n下方向\n上方向",
                  "上半身\n右\n左",
                  "顔\n左\n右",
                  "頭\n左\n右",
                  "顔\n下\n上",
                  "腕\n前\n後",
                  "腕\n下\n上",
                  "腕\n縮\n伸",
                  "腕\n後\n前",
                  "腕\n上\n下",
                  "腕\n伸\n縮",
                  "サーボの値は1/10度単位で指定して下さい。スピンボタンの右側の文字は隣のスピン"
                  "ボタンを押すとその方向に補正される事を表します。\n「左右」はネルカから見た方向"
                  "です。"});
}

TEST(MainWindowTemplate, TabOrderFollowsTheCommandsThenTheServos) {
  std::vector<int> expected = {2, 1044, 1045, 1046, 1003, 4, 5, 9, 6, 1047, 10, 11, 1000, 8, 7};
  expected.insert(expected.end(), kServoBoxes.begin(), kServoBoxes.end());
  expected.insert(expected.end(), {1048, 12, 13});
  EXPECT_EQ(TabOrder(MainWindowTemplate()), expected);
  EXPECT_EQ(RadioGroups(MainWindowTemplate()), (std::vector<std::vector<int>>{{1044, 1045, 1046}}));
}

TEST(AboutDialogTemplate, ShowsNameVersionAndOk) {
  const auto& dialog = AboutDialogTemplate();
  EXPECT_EQ(dialog.id, 100);
  EXPECT_EQ(dialog.title, "バージョン情報 Zelvan");
  ExpectControls(dialog, {{1, kDefault, "OK"}});
  ExpectCaptions(dialog, kLabel, {"Zelvan, Version 4.20"});
  const auto labels = CaptionsOf(dialog, kLabel);
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](std::string_view caption) {
    return std::count(caption.begin(), caption.end(), '\n') == 1;
  })) << "a second label of two lines";
  EXPECT_EQ(CaptionsOf(dialog, ControlKind::Icon).size(), 1u);
}

TEST(CharaDialogTemplate, FourRadiosInOneGroupAndTheButtons) {
  const auto& dialog = CharaDialogTemplate();
  EXPECT_EQ(dialog.id, 129);
  EXPECT_EQ(dialog.title, "初期化設定ダイアログ");
  ExpectControls(dialog, {{1002, kRadio, "未決定"},
                          {1003, kRadio, "やんちゃ"},
                          {1004, kRadio, "ノーマル"},
                          {1005, kRadio, "脳天気"},
                          {4, kPush, "読込み"},
                          {5, kPush, "書出し"},
                          {2, kPush, "閉じる"}});
  ExpectCaptions(dialog, kLabel, {"(初期化)"});
  EXPECT_TRUE(dialog.Find(5)->disabled);
  EXPECT_EQ(RadioGroups(dialog), (std::vector<std::vector<int>>{{1002, 1003, 1004, 1005}}));
  EXPECT_EQ(TabOrder(dialog), (std::vector<int>{1002, 1003, 1004, 1005, 4, 5, 2}));
}

TEST(ProgramDialogTemplate, EveryOptionControlWithItsGroup) {
  const auto& dialog = ProgramDialogTemplate();
  EXPECT_EQ(dialog.id, 130);
  EXPECT_EQ(dialog.title, "メインプログラム編集ダイアログ");
  ExpectControls(dialog, {{2, kPush, "閉じる"},
                          {1055, kCheck, "ソランモード"},
                          {4, kPush, "読込み"},
                          {5, kPush, "書出し"},
                          {1045, kRadio, "オン(標準)"},
                          {1046, kRadio, "オフ(脱力化)"},
                          {1067, kRadio, "アイドリングオフ\n(徐立ちポーズ)"},
                          {1056, kRadio, "行う(標準)"},
                          {1057, kRadio, "行わない"},
                          {1047, kRadio, "監視する(標準)"},
                          {1048, kRadio, "監視しない"},
                          {1049, kRadio, "任意の電圧で監視"},
                          {1050, kEdit, ""},
                          {1062, kCheck, "電圧低下警告"},
                          {1063, kRadio, "2200"},
                          {1064, kRadio, "2100"},
                          {1051, kRadio, "監視する(標準)"},
                          {1052, kRadio, "監視しない"},
                          {1053, kRadio, "任意の時間で監視"},
                          {1054, kEdit, ""},
                          {1058, kRadio, "行う(標準)"},
                          {1059, kRadio, "行わない"},
                          {1060, kCheck, "橙色(標準)"},
                          {1061, kCheck, "省エネ(輝度減)"},
                          {6, kPush, "任意色設定"},
                          {1065, kCheck, "点滅なし"},
                          {1070, kList, ""},
                          {1072, kLabel, " パターン表示"},
                          {1066, kCheck, "左右対称"},
                          {1073, kRadio, "通常版"},
                          {1074, kRadio, "ネルカのミルテ２"},
                          {1075, kRadio, "ソランモード"},
                          {1076, kRadio, "ネルカのミルテ2DX"},
                          {1077, kRadio, "ネルカライド"},
                          {1078, kRadio, "ミルテリンク"}});
  EXPECT_TRUE(dialog.Find(1055)->hidden);
  for (int id : {1055, 5, 1067, 1050, 1062, 1063, 1064, 1054}) {
    EXPECT_TRUE(dialog.Find(id)->disabled) << id;
  }
  EXPECT_TRUE(dialog.Find(1050)->digitsOnly);
  EXPECT_TRUE(dialog.Find(1054)->digitsOnly);
  ExpectCaptions(dialog, kLabel, {"(1ボルト=310)", "(1分=3600)"});
  EXPECT_EQ(RadioGroups(dialog),
            (std::vector<std::vector<int>>{{1045, 1046, 1067},
                                           {1056, 1057},
                                           {1047, 1048, 1049},
                                           {1063, 1064},
                                           {1051, 1052, 1053},
                                           {1058, 1059},
                                           {1073, 1074, 1075, 1076, 1077, 1078}}));
  EXPECT_EQ(
      TabOrder(dialog),
      (std::vector<int>{2,    1055, 4,    5,    1045, 1046, 1067, 1056, 1057, 1047, 1048, 1049,
                        1050, 1062, 1063, 1064, 1051, 1052, 1053, 1054, 1058, 1059, 1060, 1061,
                        6,    1065, 1070, 1066, 1073, 1074, 1075, 1076, 1077, 1078}));
}

TEST(ServoSelectDialogTemplate, OneCheckBoxPerServoAndOkCancel) {
  const auto& dialog = ServoSelectDialogTemplate();
  EXPECT_EQ(dialog.id, 131);
  EXPECT_EQ(dialog.title, "サーボログ適応サーボ選択");
  ExpectControls(dialog, {{1004, kCheck, "ID2(股横回転)"},
                          {1012, kCheck, "ID6(足首横回転)"},
                          {1024, kCheck, "ID12(腰旋回)"},
                          {1042, kCheck, "ID21(ヒジ)"},
                          {1, kDefault, "OK"},
                          {2, kPush, "キャンセル"}});
  std::vector<int> expected = kServoBoxes;
  expected.insert(expected.end(), {1, 2});
  EXPECT_EQ(TabOrder(dialog), expected);
  ExpectCaptions(dialog, kLabel,
                 {"サーボログを適応するサーボを選択してください。\n適応するサーボにチェックを付けて"
                  "OKボタンを押して下さい。"});
}

// Which frame each control lies in, from the frame captions and the IDs.
struct Membership {
  const DialogTemplate* dialog;
  std::map<std::string_view, std::vector<int>> frames;
};

bool Inside(const DialogRect& inner, const DialogRect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y &&
         inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

bool Overlap(const DialogRect& a, const DialogRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(DialogTemplates, GroupBoxesFrameTheirControls) {
  const Membership memberships[] = {
      {&MainWindowTemplate(),
       {{"右足サーボ", {1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013}},
        {"左足サーボ", {1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023}},
        {"頭サーボ", {1026, 1027, 1028, 1029, 1030, 1031}},
        {"右手サーボ", {1032, 1033, 1034, 1035, 1036, 1037}},
        {"左手サーボ", {1038, 1039, 1040, 1041, 1042, 1043}}}},
      {&ProgramDialogTemplate(),
       {{"サーボトルク", {1045, 1046, 1067}},
        {"音声認識", {1056, 1057}},
        {"電圧監視", {1047, 1048, 1049, 1050, 1062, 1063, 1064}},
        {"タイムアウト監視", {1051, 1052, 1053, 1054}},
        {"人感センサーによる向き制御", {1058, 1059}},
        {"アイドリング時の目の色", {1060, 1061, 6, 1065, 1070, 1072, 1066}}}},
      {&ServoSelectDialogTemplate(),
       {{"右足サーボ", {1004, 1006, 1008, 1010, 1012}},
        {"左足サーボ", {1014, 1016, 1018, 1020, 1022}},
        {"頭サーボ", {1026, 1028, 1030}},
        {"右手サーボ", {1032, 1034, 1036}},
        {"左手サーボ", {1038, 1040, 1042}}}},
  };
  for (const auto& membership : memberships) {
    const DialogTemplate& dialog = *membership.dialog;
    std::set<int> framed;
    for (const auto& frame : dialog.controls) {
      if (frame.kind != ControlKind::GroupBox) continue;
      const auto members = membership.frames.find(frame.caption);
      ASSERT_NE(members, membership.frames.end()) << frame.caption;
      for (int id : members->second) {
        EXPECT_TRUE(Inside(dialog.Find(id)->rect, frame.rect))
            << "dialog " << dialog.id << ": " << id << " outside " << frame.caption;
        framed.insert(id);
      }
    }
    // Nothing else sits inside a frame it does not belong to.
    for (const auto& control : dialog.controls) {
      if (control.id == ui::kStaticId || framed.count(control.id)) continue;
      for (const auto& frame : dialog.controls) {
        if (frame.kind == ControlKind::GroupBox) {
          EXPECT_FALSE(Overlap(control.rect, frame.rect))
              << "dialog " << dialog.id << ": " << control.id << " overlaps " << frame.caption;
        }
      }
    }
  }
}

TEST(DialogTemplates, ControlsFitTheWindowAndDoNotOverlap) {
  for (int id : {100, 102, 129, 130, 131}) {
    const DialogTemplate* dialog = FindDialogTemplate(id);
    ASSERT_NE(dialog, nullptr) << id;
    const DialogRect window{0, 0, dialog->rect.width, dialog->rect.height};
    for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
      const ControlTemplate& a = dialog->controls[i];
      EXPECT_TRUE(Inside(a.rect, window)) << "dialog " << id << " control " << i;
      if (a.kind == ControlKind::GroupBox) continue;
      for (std::size_t j = i + 1; j < dialog->controls.size(); ++j) {
        const ControlTemplate& b = dialog->controls[j];
        if (b.kind == ControlKind::GroupBox) continue;
        // The pattern label lies over the list's face on purpose.
        if (a.id == 1070 && b.id == 1072) continue;
        if (b.hidden || a.hidden) continue;
        EXPECT_FALSE(Overlap(a.rect, b.rect))
            << "dialog " << id << ": \"" << a.caption << "\" (" << a.id << ") and \"" << b.caption
            << "\" (" << b.id << ")";
      }
    }
  }
}

TEST(DialogTemplates, FoundByNumber) {
  EXPECT_EQ(FindDialogTemplate(102), &MainWindowTemplate());
  EXPECT_EQ(FindDialogTemplate(131), &ServoSelectDialogTemplate());
  EXPECT_EQ(FindDialogTemplate(101), nullptr);
}

}  // namespace
}  // namespace zelvan::resources
