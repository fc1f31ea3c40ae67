#include "qt/file_filter.h"

#include <gtest/gtest.h>

#include "qt/qstring_printer.h"

namespace zelvan::qt {
namespace {

TEST(NameFilters, ClassicFiltersBecomeQtFiltersThatKeepEveryNamedFile) {
  struct Case {
    const char* classic;
    QStringList expected;
  };
  const Case cases[] = {
      {"ﾈﾙｶ設定ﾌｧｲﾙ|STARTUP.XML||", {"ﾈﾙｶ設定ﾌｧｲﾙ (STARTUP.XML)"}},
      {"ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙ|*.KPX||", {"ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙ (*.KPX)"}},
      // Patterns within an entry are separated by ';'; Japanese runs become '*'.
      {"初期化ﾌｧｲﾙ|性格.LOG;flag.log||", {"初期化ﾌｧｲﾙ (*.LOG flag.log)"}},
      {"ｻｰﾎﾞﾛｸﾞﾌｧｲﾙ|サーボ01.LOG|ｷｬﾌﾟﾁｬｰﾌｧｲﾙ|キャプチャー.LOG||",
       {"ｻｰﾎﾞﾛｸﾞﾌｧｲﾙ (*01.LOG)", "ｷｬﾌﾟﾁｬｰﾌｧｲﾙ (*.LOG)"}},
      // A label with its own parentheses keeps them; only the last pair holds patterns.
      {"ﾈﾙｶﾌﾟﾛｸﾞﾗﾑ(ｿﾗﾝﾓｰﾄﾞ)|ソランmain0716.KPX||", {"ﾈﾙｶﾌﾟﾛｸﾞﾗﾑ(ｿﾗﾝﾓｰﾄﾞ) (*main0716.KPX)"}},
      {"ﾈﾙｶﾌﾟﾛｸﾞﾗﾑ|main5_InitFlag確認補完無し_シーン1固定0415_test2.KPX||",
       {"ﾈﾙｶﾌﾟﾛｸﾞﾗﾑ (main5_InitFlag*_*1*0415_test2.KPX)"}},
      // Spaces and brackets would split or start a class: each stands for one character.
      {"Notes|my file[1].txt||", {"Notes (my?file?1?.txt)"}},
      // Without the closing bars, without a label, without a pattern, or nothing at all.
      {"Logs|*.LOG", {"Logs (*.LOG)"}},
      {"|*.KPX||", {"*.KPX (*.KPX)"}},
      {"All||", {"All (*)"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameFilters(c.classic), c.expected) << c.classic;
  }
}

}  // namespace
}  // namespace zelvan::qt
