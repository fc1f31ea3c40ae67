#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "connection.h"
#include "http_request.h"
#include "options.h"
#include "request_log.h"

namespace fakecard {

// The card's side of each exchange: file downloads, the upload parameters and the upload POST,
// with the misbehaviours it was started with.
class FakeCard {
 public:
  FakeCard(const Options& options, RequestLog& log, const std::atomic<bool>& stopping)
      : options_(options), log_(log), stopping_(stopping) {}

  // Serves one connection: one request, one answer, then the connection is closed.
  void Serve(int fd);

 private:
  // What upload.cgi's GET set for the next POST, as the card keeps it.
  struct UploadTarget {
    std::vector<std::string> folder;       // UTF-8 names below the root
    std::optional<std::uint32_t> fatTime;  // date word << 16 | time word
  };

  void ServeFile(Connection& connection, const RequestHead& head);
  void ServeUploadParameters(Connection& connection, const RequestHead& head);
  void ServeUpload(Connection& connection, const RequestHead& head);

  const Options& options_;
  RequestLog& log_;
  const std::atomic<bool>& stopping_;
  std::mutex targetMutex_;
  UploadTarget target_;
};

}  // namespace fakecard
