#pragma once

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "headless/drive.h"
#include "support/temp_dir.h"

namespace zelvan::testing {

struct DriveOutput {
  int status = 0;
  std::string out;
  std::string err;

  bool Has(std::string_view text) const { return out.find(text) != std::string::npos; }
};

// The editor run by zelvan-drive's script runner in a folder of its own: Zelvan.ini, the
// robot's files, and optionally a card host.
class EditorSession {
 public:
  std::filesystem::path ini() const { return dir_ / "Zelvan.ini"; }
  std::filesystem::path file(std::string_view name) const { return dir_ / name; }

  void WriteIni(std::string_view text) const { WriteText(ini(), text); }
  void WriteBytes(std::string_view name, const std::vector<std::uint8_t>& bytes) const {
    WriteText(file(name), std::string(bytes.begin(), bytes.end()));
  }
  std::vector<std::uint8_t> ReadBytes(std::string_view name) const {
    const std::string text = ReadText(file(name));
    return {text.begin(), text.end()};
  }
  // A configuration that opens the given file at start-up.
  void UseStartupFile(std::string_view name) const {
    WriteIni("[FILE]\nPATH=" + file(name).string() + "\n");
  }

  void SetCardHost(std::string host) { cardHost_ = std::move(host); }

  DriveOutput Run(const std::string& script) const {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    headless::DriveSetup setup{.configPath = ini(), .cardHost = cardHost_};
    const int status = headless::Drive(in, out, err, setup);
    return {status, out.str(), err.str()};
  }

 private:
  TempDir dir_;
  std::optional<std::string> cardHost_ = "127.0.0.1:9";  // never a real card
};

}  // namespace zelvan::testing

namespace zelvan::testing {

// The text of the last `show` line printed for control id, or "" when none.
inline std::string ShownText(const DriveOutput& output, int id) {
  const std::string prefix = "control " + std::to_string(id) + " text=\"";
  const auto at = output.out.rfind(prefix);
  if (at == std::string::npos) return {};
  const auto start = at + prefix.size();
  return output.out.substr(start, output.out.find('"', start) - start);
}

// The last `show` line printed for control id, or "" when none.
inline std::string ShownLine(const DriveOutput& output, int id) {
  const auto at = output.out.rfind("control " + std::to_string(id) + " ");
  if (at == std::string::npos) return {};
  return output.out.substr(at, output.out.find('\n', at) - at);
}

inline std::string ShowAllServoBoxes() {
  std::string script;
  for (int box = 1004; box <= 1042; box += 2) script += "show " + std::to_string(box) + "\n";
  return script;
}

}  // namespace zelvan::testing
