#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvan::card::testing {

// One request as the fake card received it.
struct WireRequest {
  std::string head;  // request line and header lines, up to and with the blank line
  std::string body;
  std::string RequestLine() const { return head.substr(0, head.find("\r\n")); }
};

// Runs tools/fake-card as a child process on a free port of 127.0.0.1, serving a fresh
// temporary folder and logging every request, and stops it when destroyed.
class FakeCardProcess {
 public:
  explicit FakeCardProcess(std::vector<std::string> misbehaviours = {});
  ~FakeCardProcess();
  FakeCardProcess(const FakeCardProcess&) = delete;
  FakeCardProcess& operator=(const FakeCardProcess&) = delete;

  // False when the card did not come up; the constructor has then recorded a test failure.
  bool running() const { return port_ != 0; }
  // "127.0.0.1:PORT", what ZELVAN_CARD_HOST would hold.
  std::string HostAndPort() const;

  void PutFile(const std::filesystem::path& relative, std::string_view bytes) const;
  std::optional<std::string> StoredFile(const std::filesystem::path& relative) const;
  std::vector<WireRequest> Requests() const;

 private:
  std::filesystem::path folder_;
  std::filesystem::path root_;
  std::filesystem::path log_;
  pid_t pid_ = -1;
  unsigned port_ = 0;
};

std::vector<std::uint8_t> Bytes(std::string_view text);

}  // namespace zelvan::card::testing
