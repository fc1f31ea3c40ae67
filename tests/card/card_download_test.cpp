#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
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

using testing::FakeCardProcess;
using testing::FixedClock;
using testing::RecordingHost;

constexpr std::uint8_t kUntouched = 0xAA;

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

std::string Text(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

struct Download {
  DownloadResult result;
  std::vector<std::uint8_t> buffer;
  RecordingHost host;
  std::chrono::steady_clock::duration took{};
};

void RunDownload(Download& download, const FakeCardProcess& card, std::string_view path,
                 std::size_t capacity, platform::HttpTimeouts timeouts = {}) {
  platform::CurlHttpClient http(timeouts);
  const FixedClock clock;
  CardTransfer transfer({download.host, http, clock, card.HostAndPort()});
  download.buffer.assign(capacity, kUntouched);
  const auto start = std::chrono::steady_clock::now();
  download.result = transfer.DownloadFile(path, download.buffer);
  download.took = std::chrono::steady_clock::now() - start;
}

void ExpectCommunicationFailure(const Download& download) {
  EXPECT_EQ(download.result.count, 0u);
  ASSERT_EQ(download.host.messages.size(), 1u);
  const testing::ShownMessage& shown = download.host.messages[0];
  EXPECT_EQ(shown.id, 133);
  EXPECT_EQ(shown.style, ui::MessageStyle::Report);
  ASSERT_EQ(shown.args.size(), 1u);
  EXPECT_FALSE(shown.args[0].empty());
  EXPECT_GE(static_cast<unsigned char>(shown.args[0].back()), 0x20) << "text not trimmed";
  // Nothing that arrived before the failure may be taken for the file.
  EXPECT_TRUE(std::all_of(download.buffer.begin(), download.buffer.end(),
                          [](std::uint8_t byte) { return byte == kUntouched; }));
}

struct SizeCase {
  const char* label;
  std::size_t fileSize;
  std::size_t capacity;
  std::size_t expectedCount;
  bool expectedExceeds;
};

void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.label; }

class DownloadSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DownloadSizeTest, StoresTheFileUpToCapacityAndSaysWhenItWasLonger) {
  const SizeCase& c = GetParam();
  FakeCardProcess card;
  ASSERT_TRUE(card.running());
  const std::string content = Pattern(c.fileSize);
  card.PutFile("ADDON/CAPTURE.LOG", content);

  Download download;
  RunDownload(download, card, "ADDON/CAPTURE.LOG", c.capacity);

  EXPECT_EQ(download.result.count, c.expectedCount);
  EXPECT_EQ(download.result.exceedsCapacity, c.expectedExceeds);
  EXPECT_EQ(Text(std::span(download.buffer).first(c.expectedCount)),
            content.substr(0, c.expectedCount));
  EXPECT_TRUE(download.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Sizes, DownloadSizeTest,
                         ::testing::Values(SizeCase{"LongerThanCapacity", 200, 128, 128, true},
                                           SizeCase{"ExactlyCapacity", 128, 128, 128, false},
                                           SizeCase{"OneByteOver", 129, 128, 128, true},
                                           SizeCase{"Empty", 0, 8, 0, false},
                                           SizeCase{"SmallerThanCapacity", 8, 24576, 8, false},
                                           SizeCase{"LargestProgram", 154398, 154398, 154398,
                                                    false}),
                         [](const auto& info) { return std::string(info.param.label); });

// An error page is not the file, and a missing file is no communication failure.
TEST(DownloadTest, NonSuccessStatusStoresNothingAndShowsNoMessage) {
  struct Case {
    const char* label;
    std::vector<std::string> misbehave;
    bool filePresent;
  };
  for (const Case& c :
       {Case{"missing file", {}, false}, Case{"status 500", {"get-status=500"}, true}}) {
    SCOPED_TRACE(c.label);
    FakeCardProcess card(c.misbehave);
    ASSERT_TRUE(card.running());
    if (c.filePresent) card.PutFile("flag.log", "1");

    Download download;
    RunDownload(download, card, "flag.log", 128);

    EXPECT_EQ(download.result.count, 0u);
    EXPECT_FALSE(download.result.exceedsCapacity);
    EXPECT_TRUE(download.host.messages.empty());
    EXPECT_TRUE(std::all_of(download.buffer.begin(), download.buffer.end(),
                            [](std::uint8_t byte) { return byte == kUntouched; }));
  }
}

TEST(DownloadTest, FetchesPercentEncodedJapaneseNames) {
  FakeCardProcess card;
  ASSERT_TRUE(card.running());
  card.PutFile("性格.LOG", "CHARA-01");
  card.PutFile("ADDON/サーボ01.LOG", Pattern(128));

  const auto chara = EncodeCardNamePercent("性格.LOG", 32);
  const auto servoLog = EncodeCardNamePercent("サーボ01.LOG", 58);
  ASSERT_TRUE(chara && servoLog);

  Download first;
  RunDownload(first, card, chara->text, 8);
  EXPECT_EQ(Text(std::span(first.buffer).first(first.result.count)), "CHARA-01");

  Download second;
  RunDownload(second, card, "ADDON/" + servoLog->text, 128);
  EXPECT_EQ(Text(std::span(second.buffer).first(second.result.count)), Pattern(128));

  const auto requests = card.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].RequestLine(), "GET /" + chara->text + " HTTP/1.1");
  EXPECT_EQ(requests[1].RequestLine(), "GET /ADDON/" + servoLog->text + " HTTP/1.1");
}

TEST(DownloadTest, ConnectionDroppedMidBodyIsAFailureNotAShortFile) {
  FakeCardProcess card({"drop-body"});
  ASSERT_TRUE(card.running());
  card.PutFile("mainP.KPX", Pattern(154398));

  Download download;
  RunDownload(download, card, "mainP.KPX", 154398);

  ExpectCommunicationFailure(download);
}

TEST(DownloadTest, RefusedConnectionFailsAtOnceWithTrimmedText) {
  FakeCardProcess card({"refuse"});
  ASSERT_TRUE(card.running());

  Download download;
  RunDownload(download, card, "STARTUP.XML", 24576);

  ExpectCommunicationFailure(download);
  EXPECT_LT(download.took, std::chrono::milliseconds(500));
}

// The default time-outs: a card that takes the request and never answers must not keep the
// user waiting beyond the 15-second bound.
TEST(DownloadTest, SilentCardFailsWithinTheStallBound) {
  FakeCardProcess card({"hang"});
  ASSERT_TRUE(card.running());

  Download download;
  RunDownload(download, card, "STARTUP.XML", 24576);

  ExpectCommunicationFailure(download);
  EXPECT_GE(download.took, std::chrono::seconds(14));
  EXPECT_LT(download.took, std::chrono::seconds(20));
}

}  // namespace
}  // namespace zelvan::card
