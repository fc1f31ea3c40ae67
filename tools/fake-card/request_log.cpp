#include "request_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace fakecard {
namespace {

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace

RequestLog::~RequestLog() {
  if (fd_ >= 0) close(fd_);
}

bool RequestLog::Open(const std::filesystem::path& file) {
  fd_ = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
  return fd_ >= 0;
}

void RequestLog::Write(std::string_view raw) {
  if (fd_ < 0) return;
  // One write per record keeps a reader that looks while requests arrive from seeing half
  // of one.
  const std::string record =
      "#request " + std::to_string(raw.size()) + "\n" + std::string(raw) + "\n";
  const std::lock_guard lock(mutex_);
  WriteAll(fd_, record);
}

}  // namespace fakecard
