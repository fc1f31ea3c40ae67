#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "platform/environment.h"

namespace zelvan::platform {
namespace {

class CardHostNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* value = getenv("ZELVAN_CARD_HOST")) saved_ = value;
  }
  void TearDown() override {
    if (saved_) {
      setenv("ZELVAN_CARD_HOST", saved_->c_str(), 1);
    } else {
      unsetenv("ZELVAN_CARD_HOST");
    }
  }

 private:
  std::optional<std::string> saved_;
};

// An empty variable counts as unset: "http:///STARTUP.XML" would reach no card at all.
TEST_F(CardHostNameTest, EnvironmentReplacesTheBuiltInHost) {
  unsetenv("ZELVAN_CARD_HOST");
  EXPECT_EQ(CardHostName(), "flashair");
  setenv("ZELVAN_CARD_HOST", "", 1);
  EXPECT_EQ(CardHostName(), "flashair");
  setenv("ZELVAN_CARD_HOST", "127.0.0.1:8080", 1);
  EXPECT_EQ(CardHostName(), "127.0.0.1:8080");
}

}  // namespace
}  // namespace zelvan::platform
