#include "resources/string_table.h"

#include <algorithm>
#include <array>

namespace zelvan::resources {

namespace {

struct StringEntry {
  int id;
  std::string_view text;
};

// Every message the editor shows, by number, in UTF-8. Numbers without an entry are unused.
constexpr std::array kStringTable = std::to_array<StringEntry>({
    {101, "バージョン情報 Zelvan(&A)..."},
    {103, "設定ファイル読込みに失敗しました"},
    {104, "間違った設定値が書かれています"},
    {105, "設定ファイルに書出し失敗しました"},
    {106, "数字が入力されていません"},
    {107, "値は10進数で指定してください"},
    {108, "数字が範囲(%1)を越えています"},
    {109, "設定ファイルの書出しに成功しました"},
    {110, "標準の設定値に戻しますか？\n動作テストの場合はネルカのミルテの値に変更されます"},
    {111, "初期化設定ファイルが間違っています"},
    {112, "初期化設定ファイル読込みに失敗しました"},
    {113, "初期化設定ファイルに書出し失敗しました"},
    {114, "初期化設定ファイルの書出しに成功しました"},
    {115,
     "このチェックを外すと標準値±15°を越えて変更できます。\nネルカの範囲を越える事があるので変更の"
     "際は十分注意してください。\n制限を解除しますか？"},
    {116,
     "値が変更されています。\n設定ファイルに書出しますか？\nいいえを答えると変更した値が破棄されま"
     "す。"},
    {117, "メインプログラムが間違っています"},
    {118, "メインプログラム読込みに失敗しました"},
    {119, "メインプログラムの書出しに失敗しました"},
    {120, "メインプログラムの書出しに成功しました"},
    {121, "メインプログラムが読み込まれてません"},
    {122, "サーボログファイルまたはキャプチャーファイルの読込みに失敗しました"},
    {123, "サーボログファイルまたはキャプチャーファイルが間違っています"},
    {129,
     "リモートファイルの書込みに失敗しました。\nネルカとUSB接続されている事を確認してください。\nFl"
     "ashAirに変更する場合はもう一度リモート接続を開始してください。"},
    {131,
     "電圧監視の任意の値は0～9999で設定できます。\n範囲を越えているので初期化プログラムは変更されま"
     "せん。"},
    {132,
     "タイムアウト監視の任意の値は0～99999で設定できます。\n範囲を越えているので初期化プログラムは"
     "変更されません。"},
    {133, "FlashAirとの通信に失敗しました[%1]"},
    {135,
     "直接命令によるリモート接続プログラムを開始します。\nリモート接続をするにはネルカとパソコンがU"
     "SBで接続されているかFlashAirによる無線LAN機能が使用できなければいけません。\nまたネルカの本体"
     "でリモート接続用のネルカメインプログラムが動いていなければいけません。\nこの後表示されるファ"
     "イルダイアログでリモートファイルを指定してください。\nFlashAirによるリモート接続の場合は「Fla"
     "shAir」にチェックしておいてください。"},
    {136, "キャプチャーファイルの読み込みに失敗しました。"},
    {137, "まだサーボデータが採取されていません。\nもう一度キャプチャーボタンを押して下さい。"},
    {141,
     "電圧監視を抑制するとネルカが突然倒れたりする事故につながります。\nトルクオフの状態で動かすな"
     "どの処置を講じた上で行ってください。\nなおソランや再刊行版以降では起動プログラムでも電圧監視"
     "を行います。本機能はそちらの抑制は行いません。"},
    {142,
     "サーボの稼働範囲を標準値に戻しますか？\n標準値(±32767)に戻すと稼働範囲は無制限となります。"},
    {143, "ネルカのミルテ2DXのメインプログラムは修正版のみ対応しています"},
});

}  // namespace

std::string_view LoadString(int id) {
  const auto* entry = std::find_if(kStringTable.begin(), kStringTable.end(),
                                   [id](const StringEntry& e) { return e.id == id; });
  return entry == kStringTable.end() ? std::string_view{} : entry->text;
}

std::vector<int> StringIds() {
  std::vector<int> ids;
  for (const auto& entry : kStringTable) ids.push_back(entry.id);
  return ids;
}

std::string FormatMessage(int id, std::span<const std::string> args) {
  const std::string_view text = LoadString(id);
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // %1..%9 take the arguments; a placeholder without an argument becomes empty.
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(text[i + 1] - '1');
      if (index < args.size()) result += args[index];
      ++i;
      continue;
    }
    result += text[i];
  }
  return result;
}

}  // namespace zelvan::resources
