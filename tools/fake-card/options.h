#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fakecard {

// Ways the card can be told to fail, so every failure road of the editor can be walked.
struct Misbehaviour {
  bool refuse = false;    // the port is taken but nobody listens: connections are refused
  bool hang = false;      // every request is read and never answered
  bool hangPost = false;  // only the file POST is never answered
  bool dropBody = false;  // file downloads stop half-way and the connection is closed
  bool dropPost = false;  // the file POST is cut off half-way through its body
  std::optional<std::string> parameterReply;  // the upload.cgi GET answers this, not "SUCCESS"
  std::optional<int> getStatus;               // file downloads answer this status
  std::optional<int> postStatus;              // the file POST answers this status
};

struct Options {
  std::uint16_t port = 0;  // 0: any free port
  std::filesystem::path root;
  std::optional<std::filesystem::path> log;
  Misbehaviour misbehave;
  int timeLimitSeconds = 1800;
  bool help = false;
};

struct ParsedOptions {
  std::optional<Options> options;
  std::string error;  // why options is empty
};

ParsedOptions ParseOptions(int argc, char** argv);

std::string_view UsageText();

}  // namespace fakecard
