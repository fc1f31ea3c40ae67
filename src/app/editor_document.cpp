#include "app/editor_document.h"

#include "app/config.h"

namespace zelvan {

std::unique_ptr<EditorDocument> CreateDocument(const std::filesystem::path& configPath) {
  auto document = std::make_unique<EditorDocument>();
  document->configPath = configPath;
  // Cleared rather than left undefined, so no byte of an earlier run can reach a file.
  document->startupImage = std::make_unique<StartupImage>();
  document->startupPath = config::ReadText(configPath, config::kStartupPath);
  document->valueSet = 0;
  document->checkRange =
      config::ReadInt(configPath, config::kCheckRange, config::kDefaultCheckRange) == 1;
  document->programImage.reset();
  document->idleBlockInstalled = false;
  document->startupLength = 0;
  document->servoSpeed =
      config::ReadInt(configPath, config::kServoSpeed, config::kDefaultServoSpeed);
  document->remoteColourCount = 0;
  document->useFlashAir =
      config::ReadInt(configPath, config::kUseFlashAir, config::kDefaultUseFlashAir) == 1;
  document->remoteFolder = config::ReadText(configPath, config::kRemoteFolder);
  return document;
}

void FreeDocument(std::unique_ptr<EditorDocument>& document) {
  if (!document) return;
  document->programImage.reset();
  document->startupImage.reset();
  document.reset();
}

}  // namespace zelvan
