// The main window on the card road, against the fake card on 127.0.0.1.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "card/fake_card_process.h"
#include "support/editor_session.h"
#include "support/startup_xml.h"

namespace zelvan {
namespace {

using card::testing::FakeCardProcess;
using testing::DriveOutput;

std::string AsText(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// The editor pointed at a fake card, with a configuration that sends every file to it.
class CardSession {
 public:
  explicit CardSession(std::vector<std::string> misbehaviours = {},
                       std::string_view ini = "[REMOTE]\nFLASH_AIR=1\n")
      : card(std::move(misbehaviours)) {
    EXPECT_TRUE(card.running());
    session.SetCardHost(card.HostAndPort());
    session.WriteIni(ini);
  }
  FakeCardProcess card;
  testing::EditorSession session;
};

TEST(MainWindowCardTest, ReadsWritesAndResetsTheServoLogOnTheCard) {
  CardSession road;
  auto& [card, session] = road;
  const auto original = testing::MakeStartupXml();
  card.PutFile("STARTUP.XML", AsText(original));

  const DriveOutput run = session.Run("show 1048\nshow 1004\ntype 1004 40\nclick 5\nclose\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Has("control 1048 text=\"FlashAir\" checked=1"));
  EXPECT_EQ(testing::ShownText(run, 1004), "35");
  EXPECT_TRUE(run.Has("message 109 exclamation ok"));
  EXPECT_TRUE(run.Has("end 102 cancel\nexit\n"));

  auto expected = original;
  const std::string field = "0x0028";
  std::copy(field.begin(), field.end(), expected.begin() + 1227);
  EXPECT_EQ(card.StoredFile("STARTUP.XML"), AsText(expected));
  EXPECT_EQ(card.StoredFile("ADDON/SERVO.LOG"), std::string(128, '\0'));

  // The download, then per upload the parameter request before the POST.
  std::vector<std::string> lines;
  for (const auto& request : card.Requests()) lines.push_back(request.RequestLine());
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "GET /STARTUP.XML HTTP/1.1");
  EXPECT_TRUE(lines[1].starts_with("GET /upload.cgi?WRITEPROTECT=OFF&UPDIR=/&FTIME=0x"));
  EXPECT_EQ(lines[2], "POST /upload.cgi HTTP/1.1");
  EXPECT_TRUE(lines[3].starts_with("GET /upload.cgi?WRITEPROTECT=OFF&UPDIR=/ADDON&FTIME=0x"));
  EXPECT_EQ(lines[4], "POST /upload.cgi HTTP/1.1");
}

TEST(MainWindowCardTest, UnreachableCardReportsTheReadAndClosesQuietlyAndPromptly) {
  CardSession road({"refuse"}, "[FILE]\nPATH=/somewhere/STARTUP.XML\n[REMOTE]\nFLASH_AIR=1\n");
  auto& session = road.session;

  const auto start = std::chrono::steady_clock::now();
  const DriveOutput run = session.Run("show 1004\nshow 5\nclose\n");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("message 133"), run.out.rfind("message 133")) << "only the read says so";
  EXPECT_TRUE(run.Has("message 133 exclamation ok \"FlashAirとの通信に失敗しました["));
  EXPECT_TRUE(run.Has("control 5 text=\"書出し\" checked=0 enabled=0"));
  EXPECT_TRUE(
      run.out.ends_with("control 5 text=\"書出し\" checked=0 enabled=0 visible=1 focus=0\n"
                        "end 102 cancel\nexit\n"));
  EXPECT_LT(elapsed, std::chrono::seconds(3));
  // The card road leaves the stored path alone.
  EXPECT_NE(testing::ReadText(session.ini()).find("PATH=/somewhere/STARTUP.XML"),
            std::string::npos);
}

TEST(MainWindowCardTest, OversizeFileOnTheCardIsRefused) {
  CardSession road;
  road.card.PutFile("STARTUP.XML", AsText(testing::MakeStartupXml({.length = 24577})));
  auto& session = road.session;
  const DriveOutput run = session.Run("show 5\n");
  EXPECT_TRUE(run.Has("message 103 exclamation ok"));
  EXPECT_TRUE(run.Has("control 5 text=\"書出し\" checked=0 enabled=0"));
}

TEST(MainWindowCardTest, CheckingFlashAirSendsTheNextReadToTheCard) {
  CardSession road({}, "");
  road.card.PutFile("STARTUP.XML", AsText(testing::MakeStartupXml()));
  auto& session = road.session;
  const DriveOutput run = session.Run("click 1048\nclick 4\nshow 1004\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(run.Has("file filter=")) << "no file dialog on the card road";
  EXPECT_EQ(testing::ShownText(run, 1004), "35");
  EXPECT_TRUE(testing::ReadText(session.ini()).starts_with("[REMOTE]\nFLASH_AIR=1\n"));
}

// Until a file was read in this run the image is no copy of any file: uploading it would
// replace the card's file with it.
TEST(MainWindowCardTest, NothingIsUploadedBeforeAFileWasRead) {
  CardSession road;
  auto& [card, session] = road;
  std::string script = "type 1000 3\n";
  for (int box = 1004; box <= 1042; box += 2) script += "type " + std::to_string(box) + " 0\n";
  const DriveOutput run = session.Run(script + "answer yes\nclose\nanswer no\nclose\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Has("-> yes\nmessage 105 exclamation ok"));
  EXPECT_EQ(card.StoredFile("STARTUP.XML"), std::nullopt);
}

// Reads go to scratch space: a failed import leaves the held image as it was, so the next
// upload carries the card file's own bytes around the fields.
TEST(MainWindowCardTest, FailedImportDoesNotTouchTheHeldImage) {
  CardSession road;
  auto& [card, session] = road;
  const auto original = testing::MakeStartupXml();
  card.PutFile("STARTUP.XML", AsText(original));
  auto bad = testing::MakeStartupXml({.filler = "<other markup entirely/>\n"});
  bad[4284 + 3] = 'Z';  // servo 11
  session.WriteBytes("BAD.XML", bad);

  const DriveOutput run =
      session.Run("file " + session.file("BAD.XML").string() + "\nclick 12\nclick 5\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.Has("message 104"));
  EXPECT_TRUE(run.Has("message 109"));
  EXPECT_EQ(card.StoredFile("STARTUP.XML"), AsText(original));
}

}  // namespace
}  // namespace zelvan
