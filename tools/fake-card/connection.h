#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>

namespace fakecard {

// One accepted TCP connection. Every wait polls in short steps so the card can stop at its
// time limit even while a client keeps a connection open and silent.
class Connection {
 public:
  Connection(int fd, const std::atomic<bool>& stopping) : fd_(fd), stopping_(stopping) {}
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Reads up to the blank line that ends a request head (at most limit bytes). False when
  // the client closed first, the head grew too long, or the card is stopping.
  bool ReadHead(std::size_t limit);
  std::string_view Head() const { return std::string_view(raw_).substr(0, headLength_); }

  // Reads until length body bytes stand after the head. False when the client closed first.
  bool ReadBody(std::size_t length);
  std::string_view Body() const { return std::string_view(raw_).substr(headLength_); }

  // Every byte received so far, exactly as it came.
  std::string_view Raw() const { return raw_; }

  bool Send(std::string_view bytes);

  // Keeps the connection open without a word until the client gives up or the card stops.
  void WaitForClientToLeave();

 private:
  bool ReceiveSome();

  int fd_;
  const std::atomic<bool>& stopping_;
  std::string raw_;
  std::size_t headLength_ = 0;
};

}  // namespace fakecard
