#include "options.h"

#include <charconv>
#include <vector>

namespace fakecard {
namespace {

std::optional<long> ParseNumber(std::string_view text, long low, long high) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

bool ApplyMisbehaviour(std::string_view mode, Misbehaviour& misbehave) {
  const auto valueAfter = [&](std::string_view prefix) -> std::optional<std::string_view> {
    if (!mode.starts_with(prefix)) return std::nullopt;
    return mode.substr(prefix.size());
  };
  if (mode == "refuse") return misbehave.refuse = true;
  if (mode == "hang") return misbehave.hang = true;
  if (mode == "hang-post") return misbehave.hangPost = true;
  if (mode == "drop-body") return misbehave.dropBody = true;
  if (mode == "drop-post") return misbehave.dropPost = true;
  if (const auto reply = valueAfter("reply=")) {
    misbehave.parameterReply = std::string(*reply);
    return true;
  }
  if (const auto status = valueAfter("get-status=")) {
    const auto code = ParseNumber(*status, 100, 599);
    if (code) misbehave.getStatus = static_cast<int>(*code);
    return code.has_value();
  }
  if (const auto status = valueAfter("post-status=")) {
    const auto code = ParseNumber(*status, 100, 599);
    if (code) misbehave.postStatus = static_cast<int>(*code);
    return code.has_value();
  }
  return false;
}

}  // namespace

std::string_view UsageText() {
  return R"(Usage: fake-card --root FOLDER [options]

A stand-in for the Wi-Fi SD card. It serves FOLDER over plain HTTP on 127.0.0.1, the way the
card does: GET /PATH returns a file (percent-decoded, UTF-8 names; 404 when missing),
GET /upload.cgi?WRITEPROTECT=OFF&UPDIR=/FOLDER&FTIME=0xDDDDTTTT sets the folder and time of
the next upload and answers "SUCCESS", and a multipart POST to /upload.cgi stores the file.
UPDIR arrives as CP932 bytes and is stored as a UTF-8 folder name.

The port is printed on the first line of standard output. Point the editor at the fake card
with ZELVAN_CARD_HOST=127.0.0.1:PORT.

Options:
  --root FOLDER          the card's root folder (required)
  --port N               port to listen on; 0 (the default) picks a free one
  --log FILE             append every request's raw bytes to FILE, each preceded by a line
                         "#request N" giving its length in bytes
  --misbehave MODE       fail on purpose; may be given more than once:
                           refuse            connections are refused
                           hang              requests are read and never answered
                           hang-post         only the file POST is never answered
                           drop-body         downloads are cut off half-way
                           drop-post         the POST connection is closed half-way
                           reply=TEXT        upload.cgi GET answers TEXT (may be empty)
                           get-status=CODE   downloads answer CODE with an error page
                           post-status=CODE  the POST answers CODE (stores nothing for 4xx/5xx)
  --time-limit SECONDS   stop after this long (default 1800)
  --help                 show this text
)";
}

ParsedOptions ParseOptions(int argc, char** argv) {
  Options options;
  bool haveRoot = false;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return {options, {}};
    }
    if (i + 1 >= args.size())
      return {std::nullopt, "unknown option or missing value: " + std::string(arg)};
    const std::string_view value = args[++i];
    if (arg == "--root") {
      options.root = std::filesystem::path(value);
      haveRoot = true;
    } else if (arg == "--port") {
      const auto port = ParseNumber(value, 0, 65535);
      if (!port) return {std::nullopt, "bad port: " + std::string(value)};
      options.port = static_cast<std::uint16_t>(*port);
    } else if (arg == "--log") {
      options.log = std::filesystem::path(value);
    } else if (arg == "--misbehave") {
      if (!ApplyMisbehaviour(value, options.misbehave)) {
        return {std::nullopt, "unknown misbehaviour: " + std::string(value)};
      }
    } else if (arg == "--time-limit") {
      const auto seconds = ParseNumber(value, 1, 7 * 24 * 3600);
      if (!seconds) return {std::nullopt, "bad time limit: " + std::string(value)};
      options.timeLimitSeconds = static_cast<int>(*seconds);
    } else {
      return {std::nullopt, "unknown option: " + std::string(arg)};
    }
  }
  if (!haveRoot) return {std::nullopt, "--root is required"};
  return {options, {}};
}

}  // namespace fakecard
