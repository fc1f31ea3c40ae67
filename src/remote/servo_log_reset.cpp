#include "remote/servo_log_reset.h"

#include <array>
#include <cstdint>

#include "platform/files.h"

namespace zelvan {

namespace {

constexpr std::size_t kServoLogSize = 128;
constexpr std::string_view kRemoteFolderName = "ADDON";
constexpr std::string_view kServoLogName = "SERVO.LOG";

}  // namespace

void ResetServoLog(const EditorDocument& document, const AppServices& services) {
  constexpr std::array<std::uint8_t, kServoLogSize> kZeros{};
  if (document.useFlashAir) {
    services.Card().UploadFile(kRemoteFolderName, kServoLogName, kZeros, false);
    return;
  }
  if (document.remoteFolder.empty()) return;
  const auto path = document.remoteFolder / kRemoteFolderName / kServoLogName;
  // Only a file the robot already uses is overwritten; none is created.
  if (!platform::FileExists(path)) return;
  platform::WriteWholeFile(path, kZeros);
}

}  // namespace zelvan
