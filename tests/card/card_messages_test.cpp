#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "card/card_transfer.h"
#include "fake_card_process.h"
#include "platform/http.h"
#include "test_doubles.h"

namespace zelvan::card {
namespace {

using testing::Bytes;
using testing::FixedClock;
using testing::RecordingHost;

// Answers each exchange from a script and notes how many busy scopes were open during it.
class ScriptedHttpClient final : public platform::HttpClient {
 public:
  ScriptedHttpClient(const RecordingHost& host, std::vector<platform::HttpResult> script,
                     std::string getBody = "SUCCESS")
      : host_(host), script_(std::move(script)), getBody_(std::move(getBody)) {}

  platform::HttpResult Get(std::string_view, const platform::HttpSink& sink) override {
    platform::HttpResult result = Next();
    if (result.ok()) sink(result.status, Bytes(getBody_));
    return result;
  }
  platform::HttpResult Post(std::string_view, std::string_view, std::span<const std::uint8_t>,
                            const platform::HttpSink&) override {
    return Next();
  }

  std::vector<int> busyDepths;  // one per exchange

 private:
  platform::HttpResult Next() {
    busyDepths.push_back(host_.busyDepth);
    if (script_.empty()) {
      ADD_FAILURE() << "an exchange beyond the script";
      return {};
    }
    platform::HttpResult next = script_.front();
    script_.erase(script_.begin());
    return next;
  }

  const RecordingHost& host_;
  std::vector<platform::HttpResult> script_;
  std::string getBody_;
};

platform::HttpResult Answered(int status) {
  platform::HttpResult result;
  result.status = status;
  return result;
}

platform::HttpResult Failed(std::string text) {
  platform::HttpResult result;
  result.failure = std::move(text);
  return result;
}

struct TextCase {
  const char* label;
  std::function<void(CardTransfer&)> operation;
  std::vector<platform::HttpResult> script;
  const char* shown;
};

// The download and the parameter request drop the line breaks a failure text may end in; the
// POST shows the text as it came.
TEST(CardMessagesTest, FailureTextIsTrimmedExceptForThePost) {
  const auto download = [](CardTransfer& transfer) {
    std::vector<std::uint8_t> buffer(16);
    transfer.DownloadFile("STARTUP.XML", buffer);
  };
  const auto upload = [](CardTransfer& transfer) {
    transfer.UploadFile("ADDON", "SERVO.LOG", Bytes("data"), true);
  };
  for (const TextCase& c : {
           TextCase{"download", download, {Failed("timed out\r\n")}, "timed out"},
           TextCase{"parameters", upload, {Failed("reset\r\n\t")}, "reset"},
           TextCase{"post", upload, {Answered(200), Failed("reset\r\n")}, "reset\r\n"},
       }) {
    SCOPED_TRACE(c.label);
    RecordingHost host;
    ScriptedHttpClient http(host, c.script);
    const FixedClock clock;
    CardTransfer transfer({host, http, clock, "flashair"});
    c.operation(transfer);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].id, 133);
    EXPECT_EQ(host.messages[0].args, std::vector<std::string>{c.shown});
  }
}

// Every exchange runs inside a busy scope, and no message box comes up under a wait cursor.
TEST(CardMessagesTest, ExchangesRunBusyAndMessagesDoNot) {
  RecordingHost host;
  ScriptedHttpClient http(host, {Failed("refused"), Answered(200), Failed("dropped")});
  const FixedClock clock;
  CardTransfer transfer({host, http, clock, "flashair"});

  std::vector<std::uint8_t> buffer(16);
  transfer.DownloadFile("STARTUP.XML", buffer);
  EXPECT_FALSE(transfer.UploadFile("", "STARTUP.XML", Bytes("data"), true));

  EXPECT_EQ(http.busyDepths, (std::vector<int>{1, 1, 1}));
  ASSERT_EQ(host.messages.size(), 2u);
  for (const testing::ShownMessage& shown : host.messages) EXPECT_EQ(shown.busyDepth, 0);
  EXPECT_EQ(host.busyDepth, 0);
}

}  // namespace
}  // namespace zelvan::card
