#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include "fake_card.h"
#include "options.h"
#include "request_log.h"

namespace {

using Clock = std::chrono::steady_clock;

// Counts the connections being served, so the card can let them finish before it exits.
class ActiveConnections {
 public:
  void Begin() {
    const std::lock_guard lock(mutex_);
    ++count_;
  }
  void End() {
    const std::lock_guard lock(mutex_);
    --count_;
    ended_.notify_all();
  }
  bool WaitForAll(std::chrono::seconds limit) {
    std::unique_lock lock(mutex_);
    return ended_.wait_for(lock, limit, [this] { return count_ == 0; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable ended_;
  int count_ = 0;
};

int Fail(const char* what) {
  std::fprintf(stderr, "fake-card: %s: %s\n", what, std::strerror(errno));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const fakecard::ParsedOptions parsed = fakecard::ParseOptions(argc, argv);
  if (!parsed.options) {
    std::fprintf(stderr, "fake-card: %s\n\n%.*s", parsed.error.c_str(),
                 static_cast<int>(fakecard::UsageText().size()), fakecard::UsageText().data());
    return 2;
  }
  const fakecard::Options& options = *parsed.options;
  if (options.help) {
    std::fwrite(fakecard::UsageText().data(), 1, fakecard::UsageText().size(), stdout);
    return 0;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(options.root, error)) {
    std::fprintf(stderr, "fake-card: the root %s is not a folder\n", options.root.c_str());
    return 1;
  }
  fakecard::RequestLog log;
  if (options.log && !log.Open(*options.log)) return Fail("cannot create the log");
  std::signal(SIGPIPE, SIG_IGN);

  const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener < 0) return Fail("socket");
  const int yes = 1;
  setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(options.port);
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    return Fail("bind");
  }
  // A bound port that nobody listens on answers every connection attempt with a reset, which
  // the client sees as "connection refused".
  if (!options.misbehave.refuse && listen(listener, 64) != 0) return Fail("listen");
  socklen_t addressLength = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &addressLength);
  const unsigned port = ntohs(address.sin_port);
  std::printf("%u\n", port);
  std::fflush(stdout);
  std::fprintf(stderr,
               "fake-card: serving %s at http://127.0.0.1:%u/ (ZELVAN_CARD_HOST=127.0.0.1:%u)\n",
               options.root.c_str(), port, port);

  std::atomic<bool> stopping = false;
  ActiveConnections active;
  fakecard::FakeCard card(options, log, stopping);
  const auto deadline = Clock::now() + std::chrono::seconds(options.timeLimitSeconds);
  while (true) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) break;
    pollfd entry{listener, POLLIN, 0};
    const int timeout = static_cast<int>(left < 200 ? left : 200);
    if (options.misbehave.refuse || poll(&entry, 1, timeout) <= 0) {
      if (options.misbehave.refuse) std::this_thread::sleep_for(std::chrono::milliseconds(timeout));
      continue;
    }
    const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    // A client that stops reading must not hold an answer, and the card's stop, forever.
    const timeval sendLimit{30, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendLimit, sizeof sendLimit);
    active.Begin();
    std::thread([&card, &active, fd] {
      card.Serve(fd);
      active.End();
    }).detach();
  }
  stopping = true;
  close(listener);
  std::fprintf(stderr, "fake-card: time limit reached, stopping\n");
  // Connections still busy after this grace would outlive what they use; leave without
  // unwinding instead.
  if (!active.WaitForAll(std::chrono::seconds(3))) std::_Exit(0);
  return 0;
}
