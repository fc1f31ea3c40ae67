#include "platform/profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace zelvan::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempFolderTest;

class Profile : public TempFolderTest {
 protected:
  fs::path Ini(std::string_view text) {
    const fs::path file = folder() / "Zelvan.ini";
    WriteText(file, text);
    return file;
  }
};

struct ReadCase {
  std::string name;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;  // "<default>" when the default comes back
};

class ProfileRead : public TempFolderTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileRead, ReadsValue) {
  const ReadCase& row = GetParam();
  const fs::path file = folder() / "Zelvan.ini";
  WriteText(file, row.file);
  EXPECT_EQ(ReadProfileText(file, row.section, row.key, "<default>"), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    ::testing::Values(
        ReadCase{"Plain", "[FILE]\nPATH=C:\\robot\\main.bin\n", "FILE", "PATH",
                 "C:\\robot\\main.bin"},
        ReadCase{"NamesIgnoreCase", "[File]\npath=v\n", "FILE", "PATH", "v"},
        ReadCase{"BlanksAroundNames", "  [ FILE ]  \n\t PATH \t= v\n", "FILE", "PATH", "v"},
        ReadCase{"BlanksAroundValue", "[F]\nK=  two words \t\n", "F", "K", "two words"},
        ReadCase{"DoubleQuotesStripped", "[F]\nK=\"  v  \"\n", "F", "K", "  v  "},
        ReadCase{"SingleQuotesStripped", "[F]\nK='v'\n", "F", "K", "v"},
        ReadCase{"MismatchedQuotesKept", "[F]\nK=\"v'\n", "F", "K", "\"v'"},
        ReadCase{"LoneQuoteKept", "[F]\nK=\"\n", "F", "K", "\""},
        ReadCase{"ValueHoldsEquals", "[F]\nK=a=b\n", "F", "K", "a=b"},
        ReadCase{"EmptyValueIsNotDefault", "[F]\nK=\n", "F", "K", ""},
        ReadCase{"MissingKey", "[F]\nK=1\n", "F", "J", "<default>"},
        ReadCase{"MissingSection", "[F]\nK=1\n", "G", "K", "<default>"},
        ReadCase{"KeyBeforeAnySection", "K=1\n[F]\n", "F", "K", "<default>"},
        ReadCase{"KeyOfOtherSection", "[A]\nK=1\n[B]\nX=2\n", "B", "K", "<default>"},
        ReadCase{"CommentedOut", "[F]\n;K=old\n", "F", "K", "<default>"},
        ReadCase{"CommentsSkipped", "[F]\n;K=old\n  ; K=older\nK=real\n", "F", "K", "real"},
        ReadCase{"LineWithoutEquals", "[F]\nK\n", "F", "K", "<default>"},
        ReadCase{"FirstKeyWins", "[F]\nK=1\nK=2\n", "F", "K", "1"},
        ReadCase{"FirstSectionWins", "[F]\nK=1\n[f]\nK=2\n", "F", "K", "1"},
        ReadCase{"LaterDuplicateSectionIgnored", "[F]\nK=1\n[F]\nJ=3\n", "F", "J", "<default>"},
        ReadCase{"CrLf", "[F]\r\nK=v\r\n", "F", "K", "v"},
        ReadCase{"NoFinalLineBreak", "[F]\nK=v", "F", "K", "v"},
        ReadCase{"Bom", "\xEF\xBB\xBF[F]\nK=v\n", "F", "K", "v"},
        ReadCase{"Utf8Value", "[F]\nK=ソラン\\表\n", "F", "K", "ソラン\\表"},
        ReadCase{"EmptyKeyName", "[F]\n=v\n", "F", "", "<default>"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST_F(Profile, MissingFileGivesDefaults) {
  const fs::path file = folder() / "absent.ini";
  EXPECT_EQ(ReadProfileText(file, "F", "K", "d"), "d");
  EXPECT_EQ(ReadProfileInt(file, "F", "K", 7), 7);
  EXPECT_EQ(ReadProfileText(folder(), "F", "K", "d"), "d");  // a folder, not a file
}

TEST_F(Profile, ReadsLongValueWhole) {
  std::string longValue;
  while (longValue.size() < 1000) longValue += "C:\\ソラン\\base\\表 with spaces ";
  longValue.pop_back();
  const fs::path file = Ini("[FILE]\nPATH=" + longValue + "\n");
  EXPECT_EQ(ReadProfileText(file, "FILE", "PATH"), longValue);
}

TEST_F(Profile, ReadsInteger) {
  struct Row {
    std::string value;
    int expected;
  };
  for (const Row& row :
       {Row{"12", 12}, Row{"12abc", 12}, Row{"abc", 0}, Row{"-3", -3}, Row{"+7", 7}, Row{"-", 0},
        Row{"0x10", 0}, Row{"1 2", 1}, Row{"\"15\"", 15}, Row{"", 99}, Row{"  ", 99},
        Row{"2147483647", INT_MAX}, Row{"-2147483648", INT_MIN},
        Row{"99999999999999999999", INT_MAX}, Row{"-99999999999999999999", INT_MIN}}) {
    const fs::path file = Ini("[F]\nK=" + row.value + "\n");
    EXPECT_EQ(ReadProfileInt(file, "F", "K", 99), row.expected) << "K=" << row.value;
  }
  EXPECT_EQ(ReadProfileInt(Ini("[F]\n"), "F", "K", 99), 99);
}

struct WriteCase {
  std::string name;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

class ProfileWrite : public TempFolderTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyTheKey) {
  const WriteCase& row = GetParam();
  const fs::path file = folder() / "Zelvan.ini";
  WriteText(file, row.before);
  ASSERT_TRUE(WriteProfileText(file, row.section, row.key, row.value));
  EXPECT_EQ(ReadText(file), row.after);
  EXPECT_EQ(ReadProfileText(file, row.section, row.key, "<default>"), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    ::testing::Values(
        WriteCase{"KeepsHandWrittenLines",
                  "; paths the editor remembers\n"
                  "[FILE]\n"
                  "PATH=C:\\old.bin\n"
                  "Unknown = keep  me \n"
                  "\n"
                  "[OTHER]\n"
                  "  odd=  spacing\t\n",
                  "FILE", "PATH", "C:\\ソラン\\new.bin",
                  "; paths the editor remembers\n"
                  "[FILE]\n"
                  "PATH=C:\\ソラン\\new.bin\n"
                  "Unknown = keep  me \n"
                  "\n"
                  "[OTHER]\n"
                  "  odd=  spacing\t\n"},
        WriteCase{"KeepsKeySpelling", "[file]\n  Path = old \n", "FILE", "PATH", "new",
                  "[file]\nPath=new\n"},
        WriteCase{"CrLfStaysCrLf", "[FILE]\r\nPATH=old\r\n;note\r\n", "FILE", "PATH", "new",
                  "[FILE]\r\nPATH=new\r\n;note\r\n"},
        WriteCase{"NewKeyAfterLastLineOfSection", "[A]\nX=1\n\n\n[B]\nY=2\n", "A", "Z", "3",
                  "[A]\nX=1\nZ=3\n\n\n[B]\nY=2\n"},
        WriteCase{"NewKeyAfterComment", "[A]\n;X=1\n", "A", "X", "2", "[A]\n;X=1\nX=2\n"},
        WriteCase{"NewKeyInCrLfFile", "[A]\r\nX=1\r\n", "A", "Z", "3", "[A]\r\nX=1\r\nZ=3\r\n"},
        WriteCase{"NewKeyAtUnendedLastLine", "[A]\nX=1", "A", "Z", "3", "[A]\nX=1\nZ=3\n"},
        WriteCase{"NewKeyUnderHeaderOnly", "[A]\n[B]\n", "A", "Z", "3", "[A]\nZ=3\n[B]\n"},
        WriteCase{"KeyBeforeSectionsUntouched", "X=0\n[A]\n", "A", "X", "5", "X=0\n[A]\nX=5\n"},
        WriteCase{"FirstOfDuplicateKeys", "[A]\nX=1\nX=2\n", "A", "X", "9", "[A]\nX=9\nX=2\n"},
        WriteCase{"FirstOfDuplicateSections", "[A]\nX=1\n[a]\nX=2\n", "A", "Y", "3",
                  "[A]\nX=1\nY=3\n[a]\nX=2\n"},
        WriteCase{"NewSection", "[A]\nX=1\n", "B", "Y", "2", "[A]\nX=1\n[B]\nY=2\n"},
        WriteCase{"NewSectionAfterUnendedLine", "[A]\nX=1", "B", "Y", "2", "[A]\nX=1\n[B]\nY=2\n"},
        WriteCase{"NewSectionInCrLfFile", "[A]\r\nX=1\r\n", "B", "Y", "2",
                  "[A]\r\nX=1\r\n[B]\r\nY=2\r\n"},
        WriteCase{"FirstLineBreakDecides", "[A]\nX=1\r\n", "A", "Y", "2", "[A]\nX=1\r\nY=2\n"},
        WriteCase{"EmptyFile", "", "B", "Y", "2", "[B]\nY=2\n"},
        WriteCase{"BomKept", "\xEF\xBB\xBF[A]\r\nX=1\r\n", "A", "X", "2",
                  "\xEF\xBB\xBF[A]\r\nX=2\r\n"},
        WriteCase{"BomOnly", "\xEF\xBB\xBF", "B", "Y", "2", "\xEF\xBB\xBF[B]\nY=2\n"},
        WriteCase{"NamesTrimmed", "[A]\nX=1\n", " A ", " X ", "2", "[A]\nX=2\n"},
        // Reading trims blanks and strips enclosing quotes, so such values are quoted.
        WriteCase{"LeadingBlankQuoted", "[A]\n", "A", "X", " a b ", "[A]\nX=\" a b \"\n"},
        WriteCase{"QuotedValueQuotedAgain", "[A]\n", "A", "X", "'q'", "[A]\nX=\"'q'\"\n"},
        WriteCase{"EmptyValue", "[A]\nX=1\n", "A", "X", "", "[A]\nX=\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST_F(Profile, CreatesMissingFile) {
  const fs::path file = folder() / "Zelvan.ini";
  ASSERT_TRUE(WriteProfileText(file, "FILE", "PATH", "C:\\a b.bin"));
  EXPECT_EQ(ReadText(file), "[FILE]\nPATH=C:\\a b.bin\n");
}

TEST_F(Profile, ValuesReadBackAsWritten) {
  std::string longValue(400, 'x');
  longValue += " end";
  const fs::path file = Ini("[A]\nX=old\n");
  for (const std::string_view value : {"plain", " lead", "trail\t", "\"q\"", "'", "a=b ;c", "",
                                       "ソラン\\base", longValue.c_str()}) {
    ASSERT_TRUE(WriteProfileText(file, "A", "X", value));
    EXPECT_EQ(ReadProfileText(file, "A", "X", "<default>"), value);
  }
}

TEST_F(Profile, RefusesNamesAndValuesThatWouldBreakTheFile) {
  struct Row {
    std::string section;
    std::string key;
    std::string value;
  };
  const std::string original = "[A]\nX=1\n";
  const fs::path file = Ini(original);
  for (const Row& row :
       {Row{"A", "X", "1\n[A]\nX=evil"}, Row{"A", "X", "1\r"}, Row{"A", "X", std::string("1\0", 2)},
        Row{"A", "X=Y", "1"}, Row{"A", "", "1"}, Row{"A", "  ", "1"}, Row{"A", ";X", "1"},
        Row{"A", "[X", "1"}, Row{"A]B", "X", "1"}, Row{"A\nB", "X", "1"}}) {
    EXPECT_FALSE(WriteProfileText(file, row.section, row.key, row.value))
        << row.section << "/" << row.key << "/" << row.value;
  }
  EXPECT_EQ(ReadText(file), original);
}

TEST_F(Profile, ReportsFailedWrite) {
  EXPECT_FALSE(WriteProfileText(folder() / "no such folder" / "Zelvan.ini", "A", "X", "1"));
  EXPECT_FALSE(WriteProfileText(folder(), "A", "X", "1"));
}

// Rewriting a file that could not be read whole would drop the settings not read.
TEST_F(Profile, LeavesOversizedFileAlone) {
  const fs::path big = folder() / "big.ini";
  WriteText(big, "[A]\nX=1\n");
  fs::resize_file(big, 16 * 1024 * 1024 + 1);
  EXPECT_FALSE(WriteProfileText(big, "A", "X", "2"));
  EXPECT_EQ(fs::file_size(big), 16u * 1024 * 1024 + 1);
  EXPECT_EQ(ReadText(big).substr(0, 8), "[A]\nX=1\n");
}

TEST_F(Profile, LeavesUnreadableFileAlone) {
  const fs::path locked = Ini("[A]\nX=1\n");
  fs::permissions(locked, fs::perms::none);
  if (::access(locked.c_str(), R_OK) == 0) GTEST_SKIP() << "permission bits do not bind here";
  EXPECT_FALSE(WriteProfileText(locked, "A", "X", "2"));
  fs::permissions(locked, fs::perms::owner_read);
  EXPECT_EQ(ReadText(locked), "[A]\nX=1\n");
}

}  // namespace
}  // namespace zelvan::platform
