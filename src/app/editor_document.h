#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "program/program_image.h"
#include "startup/startup_image.h"

namespace zelvan {

// The one record of a run: paths, options, file images and the flags that tie the main
// window to its secondary dialogs. Paths are held as they will be used (UTF-8 on POSIX).
struct EditorDocument {
  bool modified = false;
  std::filesystem::path configPath;
  std::filesystem::path startupPath;
  bool checkRange = true;
  std::int32_t servoSpeed = 10;
  std::int32_t remoteColourCount = 0;
  std::filesystem::path remoteFolder;
  bool useFlashAir = false;
  std::unique_ptr<StartupImage> startupImage;
  std::int32_t startupLength = 0;
  // The image holds a file read successfully in this run; until then nothing may be written.
  bool startupImageHeld = false;
  int valueSet = 0;
  std::filesystem::path charaPath;
  std::filesystem::path programPath;
  std::unique_ptr<ProgramImage> programImage;
  std::int32_t programLength = 0;
  ProgramEdition programEdition = 1;
  std::int32_t charaLength = 0;
  bool idleBlockInstalled = false;
};

// A document with its initial values, the options taken from the configuration file.
std::unique_ptr<EditorDocument> CreateDocument(const std::filesystem::path& configPath);

// Frees the document in its fixed order: program image, start-up image, then the rest.
void FreeDocument(std::unique_ptr<EditorDocument>& document);

}  // namespace zelvan
