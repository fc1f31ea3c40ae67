#include "connection.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace fakecard {
namespace {

constexpr int kPollStepMs = 100;

}  // namespace

Connection::~Connection() { close(fd_); }

bool Connection::ReceiveSome() {
  while (!stopping_) {
    pollfd entry{fd_, POLLIN, 0};
    const int ready = poll(&entry, 1, kPollStepMs);
    if (ready < 0 && errno != EINTR) return false;
    if (ready <= 0) continue;
    char buffer[16384];
    const ssize_t got = recv(fd_, buffer, sizeof buffer, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    raw_.append(buffer, static_cast<std::size_t>(got));
    return true;
  }
  return false;
}

bool Connection::ReadHead(std::size_t limit) {
  while (true) {
    const std::size_t end = raw_.find("\r\n\r\n");
    if (end != std::string::npos) {
      headLength_ = end + 4;
      return true;
    }
    if (raw_.size() > limit || !ReceiveSome()) return false;
  }
}

bool Connection::ReadBody(std::size_t length) {
  while (raw_.size() - headLength_ < length) {
    if (!ReceiveSome()) return false;
  }
  return true;
}

bool Connection::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

void Connection::WaitForClientToLeave() {
  while (ReceiveSome()) {
  }
}

}  // namespace fakecard
