#pragma once

#include <filesystem>
#include <mutex>
#include <string_view>

namespace fakecard {

// Appends each request's raw bytes to a file, after a line "#request N" that gives their
// length, so a reader can cut the file back into requests even when they hold line breaks or
// zero bytes.
class RequestLog {
 public:
  RequestLog() = default;
  ~RequestLog();
  RequestLog(const RequestLog&) = delete;
  RequestLog& operator=(const RequestLog&) = delete;

  // Starts an empty log at file. False when it cannot be created.
  bool Open(const std::filesystem::path& file);
  void Write(std::string_view raw);

 private:
  std::mutex mutex_;
  int fd_ = -1;
};

}  // namespace fakecard
