#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvan::resources {
namespace {

TEST(StringTable, HoldsEveryMessageTheEditorShows) {
  const std::vector<int> expected = {101, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112,
                                     113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123,
                                     129, 131, 132, 133, 135, 136, 137, 141, 142, 143};
  EXPECT_EQ(StringIds(), expected);
  for (int id : expected) EXPECT_FALSE(LoadString(id).empty()) << id;
  EXPECT_TRUE(LoadString(102).empty());
}

TEST(StringTable, TextsAreExact) {
  const std::pair<int, std::string_view> samples[] = {
      {101, "バージョン情報 Zelvan(&A)..."},
      {103, "設定ファイル読込みに失敗しました"},
      {109, "設定ファイルの書出しに成功しました"},
      {115,
       "このチェックを外すと標準値±15°を越えて変更できます。\nネルカの範囲を越える事があるので"
       "変更の際は十分注意してください。\n制限を解除しますか？"},
      {116,
       "値が変更されています。\n設定ファイルに書出しますか？\nいいえを答えると変更した値が破"
       "棄されます。"},
      {132,
       "タイムアウト監視の任意の値は0～99999で設定できます。\n範囲を越えているので初期化プロ"
       "グラムは変更されません。"},
      {133, "FlashAirとの通信に失敗しました[%1]"},
      {142,
       "サーボの稼働範囲を標準値に戻しますか？\n標準値(±32767)に戻すと稼働範囲は無制限とな"
       "ります。"},
  };
  for (const auto& [id, text] : samples) EXPECT_EQ(LoadString(id), text) << id;
}

TEST(StringTable, FormatsPlaceholders) {
  const std::string range[] = {"-450～-150"};
  EXPECT_EQ(FormatMessage(108, range), "数字が範囲(-450～-150)を越えています");
  const std::string failure[] = {"Could not connect to server"};
  EXPECT_EQ(FormatMessage(133, failure),
            "FlashAirとの通信に失敗しました[Could not connect to server]");
  // A placeholder without an argument, and an argument holding "%1", stay harmless.
  EXPECT_EQ(FormatMessage(133), "FlashAirとの通信に失敗しました[]");
  const std::string nested[] = {"%1%1"};
  EXPECT_EQ(FormatMessage(133, nested), "FlashAirとの通信に失敗しました[%1%1]");
  EXPECT_EQ(FormatMessage(116), LoadString(116));
}

}  // namespace
}  // namespace zelvan::resources
