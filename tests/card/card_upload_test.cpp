#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "card/card_names.h"
#include "card/card_transfer.h"
#include "fake_card_process.h"
#include "platform/http.h"
#include "test_doubles.h"

namespace zelvan::card {
namespace {

using testing::Bytes;
using testing::FakeCardProcess;
using testing::FixedClock;
using testing::RecordingHost;

// Zero bytes, a line break and a delimiter's start inside the data: the card must store them
// as they are.
const std::string kRemoteLog("\x00\x10\x00\x00\r\n--\x00\xFF\x7F\x80\x00\x00\x01\x00", 16);

struct Upload {
  bool ok = false;
  RecordingHost host;
};

void RunUpload(Upload& upload, const FakeCardProcess& card, std::string_view folder,
               std::string_view name, std::string_view data, bool reportErrors,
               platform::HttpTimeouts timeouts = {}) {
  platform::CurlHttpClient http(timeouts);
  const FixedClock clock;  // 2021-10-23 17:45:30
  CardTransfer transfer({upload.host, http, clock, card.HostAndPort()});
  upload.ok = transfer.UploadFile(folder, name, Bytes(data), reportErrors);
}

struct FolderCase {
  const char* label;
  const char* folder;
  const char* queryTail;  // the bytes after "WRITEPROTECT=OFF&"
  const char* storedAs;
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.label; }

class UploadFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(UploadFolderTest, QueryCarriesTheFolderBytesAndTheTimestamp) {
  const FolderCase& c = GetParam();
  FakeCardProcess card;
  ASSERT_TRUE(card.running());

  Upload upload;
  RunUpload(upload, card, c.folder, "REMOTE.LOG", kRemoteLog, true);

  EXPECT_TRUE(upload.ok);
  EXPECT_TRUE(upload.host.messages.empty());
  const auto requests = card.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].RequestLine(),
            std::string("GET /upload.cgi?WRITEPROTECT=OFF&") + c.queryTail + " HTTP/1.1");
  EXPECT_EQ(card.StoredFile(c.storedAs), kRemoteLog);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UploadFolderTest,
    ::testing::Values(FolderCase{"Root", "", "UPDIR=/&FTIME=0x53578DAF", "REMOTE.LOG"},
                      FolderCase{"Addon", "ADDON", "UPDIR=/ADDON&FTIME=0x53578DAF",
                                 "ADDON/REMOTE.LOG"},
                      // ソ = 83 5C, ラ = 83 89, ン = 83 93 in CP932, sent unescaped.
                      FolderCase{"JapaneseFolderAsCp932", "ソラン/base",
                                 "UPDIR=/\x83\x5C\x83\x89\x83\x93/base&FTIME=0x53578DAF",
                                 "ソラン/base/REMOTE.LOG"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(UploadTest, PostsTheCardsTwoDelimiterBodyByteForByte) {
  FakeCardProcess card;
  ASSERT_TRUE(card.running());

  Upload upload;
  RunUpload(upload, card, "ADDON", "REMOTE.LOG", kRemoteLog, true);
  ASSERT_TRUE(upload.ok);

  const std::string expectedBody =
      "--========================\r\n"
      "Content-Disposition: form-data; name=\"upload.cgi\";filename=\"REMOTE.LOG\"\r\n"
      "--========================\r\n"
      "\r\n" +
      kRemoteLog + "\r\n--========================--\r\n";
  ASSERT_EQ(expectedBody.size(), 179u);

  const auto requests = card.Requests();
  ASSERT_EQ(requests.size(), 2u);
  const testing::WireRequest& post = requests[1];
  EXPECT_EQ(post.RequestLine(), "POST /upload.cgi HTTP/1.1");
  EXPECT_EQ(post.body, expectedBody);
  const std::string contentType =
      "\r\nContent-Type: multipart/form-data;boundary=========================\r\n";
  EXPECT_NE(post.head.find(contentType), std::string::npos) << post.head;
  EXPECT_EQ(post.head.find("Content-Type:", post.head.find(contentType) + contentType.size()),
            std::string::npos)
      << "a second Content-Type line";
  EXPECT_NE(post.head.find("\r\nContent-Length: 179\r\n"), std::string::npos) << post.head;
  EXPECT_EQ(post.head.find("Expect:"), std::string::npos) << post.head;
  EXPECT_EQ(post.head.find("Transfer-Encoding:"), std::string::npos) << post.head;

  EXPECT_EQ(card.StoredFile("ADDON/REMOTE.LOG"), kRemoteLog);
}

TEST(UploadTest, LargestProgramRoundTripsUnderItsJapaneseName) {
  FakeCardProcess card;
  ASSERT_TRUE(card.running());
  std::string program(154398, '\0');
  for (std::size_t i = 0; i < program.size(); ++i) program[i] = static_cast<char>(i % 253);
  const auto name = EncodeCardNameUtf8("ソランmain0716.KPX");
  ASSERT_TRUE(name);

  Upload upload;
  RunUpload(upload, card, "", *name, program, true);
  ASSERT_TRUE(upload.ok);
  EXPECT_EQ(card.StoredFile("ソランmain0716.KPX"), program);

  RecordingHost host;
  platform::CurlHttpClient http;
  const FixedClock clock;
  CardTransfer transfer({host, http, clock, card.HostAndPort()});
  std::vector<std::uint8_t> buffer(154398);
  const auto path = EncodeCardNamePercent("ソランmain0716.KPX", 256);
  ASSERT_TRUE(path);
  const DownloadResult result = transfer.DownloadFile(path->text, buffer);
  EXPECT_EQ(result.count, program.size());
  EXPECT_FALSE(result.exceedsCapacity);
  EXPECT_EQ(std::string(buffer.begin(), buffer.end()), program);
  EXPECT_TRUE(host.messages.empty());
}

struct ReplyCase {
  const char* label;
  const char* reply;
  bool accepted;
};

void PrintTo(const ReplyCase& c, std::ostream* out) { *out << c.label; }

class ParameterReplyTest : public ::testing::TestWithParam<ReplyCase> {};

// Only a reply that begins with "SUCCESS" lets the file go out; any other reply fails quietly.
TEST_P(ParameterReplyTest, OnlySuccessLetsThePostGoOut) {
  const ReplyCase& c = GetParam();
  FakeCardProcess card({std::string("reply=") + c.reply});
  ASSERT_TRUE(card.running());

  Upload upload;
  RunUpload(upload, card, "ADDON", "SERVO.LOG", std::string(128, '\0'), true);

  EXPECT_EQ(upload.ok, c.accepted);
  EXPECT_TRUE(upload.host.messages.empty());
  EXPECT_EQ(card.Requests().size(), c.accepted ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Replies, ParameterReplyTest,
                         ::testing::Values(ReplyCase{"Success", "SUCCESS", true},
                                           ReplyCase{"SuccessThenMore",
                                                     "SUCCESS, and more text than sixteen bytes",
                                                     true},
                                           ReplyCase{"ShortOfSuccess", "SUCCES", false},
                                           ReplyCase{"Error", "ERROR", false},
                                           ReplyCase{"Empty", "", false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(UploadTest, ParameterRequestFailureShowsMessageOnlyWhenAsked) {
  FakeCardProcess card({"refuse"});
  ASSERT_TRUE(card.running());
  for (const bool reportErrors : {true, false}) {
    SCOPED_TRACE(reportErrors ? "reportErrors" : "quiet");
    Upload upload;
    RunUpload(upload, card, "ADDON", "SERVO.LOG", std::string(128, '\0'), reportErrors);

    EXPECT_FALSE(upload.ok);
    if (reportErrors) {
      ASSERT_EQ(upload.host.messages.size(), 1u);
      EXPECT_EQ(upload.host.messages[0].id, 133);
      ASSERT_EQ(upload.host.messages[0].args.size(), 1u);
      EXPECT_FALSE(upload.host.messages[0].args[0].empty());
    } else {
      EXPECT_TRUE(upload.host.messages.empty());
    }
  }
}

struct PostCase {
  const char* label;
  const char* misbehave;
  bool accepted;
  const char* text;  // what stands in message 133; nullptr: any non-empty text
};

void PrintTo(const PostCase& c, std::ostream* out) { *out << c.label; }

class PostOutcomeTest : public ::testing::TestWithParam<PostCase> {};

// A failed POST is always reported, whatever reportErrors says: the parameters went through,
// so the user must learn that the file did not.
TEST_P(PostOutcomeTest, FailedPostIsReportedEvenWhenQuiet) {
  const PostCase& c = GetParam();
  FakeCardProcess card({c.misbehave});
  ASSERT_TRUE(card.running());

  Upload upload;
  RunUpload(upload, card, "ADDON", "REMOTE.LOG", kRemoteLog, false,
            platform::HttpTimeouts{std::chrono::milliseconds(5000), std::chrono::seconds(1)});

  EXPECT_EQ(upload.ok, c.accepted);
  EXPECT_EQ(card.Requests().size(), 2u);
  if (c.accepted) {
    EXPECT_TRUE(upload.host.messages.empty());
    EXPECT_EQ(card.StoredFile("ADDON/REMOTE.LOG"), kRemoteLog);
    return;
  }
  EXPECT_EQ(card.StoredFile("ADDON/REMOTE.LOG"), std::nullopt);
  ASSERT_EQ(upload.host.messages.size(), 1u);
  EXPECT_EQ(upload.host.messages[0].id, 133);
  ASSERT_EQ(upload.host.messages[0].args.size(), 1u);
  if (c.text) {
    EXPECT_EQ(upload.host.messages[0].args[0], c.text);
  } else {
    EXPECT_FALSE(upload.host.messages[0].args[0].empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, PostOutcomeTest,
    ::testing::Values(PostCase{"DroppedMidBody", "drop-post", false, nullptr},
                      PostCase{"NeverAnswered", "hang-post", false, nullptr},
                      PostCase{"ServerError", "post-status=500", false, "HTTP 500"},
                      PostCase{"NotFound", "post-status=404", false, "HTTP 404"},
                      PostCase{"RedirectCountsAsTaken", "post-status=303", true, nullptr}),
    [](const auto& info) { return std::string(info.param.label); });

// A name or folder that would break out of its place in the request is refused before
// anything is sent.
TEST(UploadTest, RefusesNamesAndFoldersTheRequestCannotCarry) {
  FakeCardProcess card;
  ASSERT_TRUE(card.running());
  struct Case {
    const char* label;
    const char* folder;
    const char* name;
  };
  for (const Case& c :
       {Case{"quote in name", "", "A\"B.LOG"},
        Case{"line break in name", "", "A\r\nX-Injected: 1.LOG"}, Case{"empty name", "", ""},
        Case{"query key in folder", "ADDON&WRITEPROTECT=ON", "X.LOG"},
        Case{"blank in folder", "MY FOLDER", "X.LOG"},
        Case{"fragment in folder", "ADDON#", "X.LOG"},
        Case{"folder not UTF-8", "\x83\x5C", "X.LOG"}}) {
    SCOPED_TRACE(c.label);
    Upload upload;
    RunUpload(upload, card, c.folder, c.name, "data", true);
    EXPECT_FALSE(upload.ok);
    EXPECT_TRUE(upload.host.messages.empty());
  }
  EXPECT_TRUE(card.Requests().empty());
}

}  // namespace
}  // namespace zelvan::card
