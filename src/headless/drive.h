#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "platform/clock.h"
#include "platform/http.h"

namespace zelvan::headless {

inline constexpr int kDriveOk = 0;
inline constexpr int kDriveBadArguments = 2;
inline constexpr int kDriveScriptError = 3;

struct DriveSetup {
  std::filesystem::path configPath;
  const platform::Clock* clock = nullptr;  // the system clock when not given
  platform::HttpClient* http = nullptr;    // libcurl when not given
  std::optional<std::string> cardHost;     // ZELVAN_CARD_HOST or the built-in name
};

// Starts the editor with the headless front end and runs the script against it. Returns
// the exit status: kDriveOk, or kDriveScriptError after an "error:" line on err.
int Drive(std::istream& script, std::ostream& out, std::ostream& err, const DriveSetup& setup);

// zelvan-drive's command line: [--ini PATH] [SCRIPT].
int DriveMain(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace zelvan::headless
