#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace zelvan::platform {

enum class ReadStatus { Ok, NotFound, Failed };

struct ReadResult {
  ReadStatus status = ReadStatus::Failed;
  std::vector<std::uint8_t> bytes;  // at most the capacity asked for
  bool exceedsCapacity = false;     // the file holds more bytes than were read
  bool ok() const { return status == ReadStatus::Ok; }
};

enum class CacheUse { Normal, Bypass };

// Reads a file from its first byte, up to capacity bytes. With CacheUse::Bypass the file's
// cached pages are dropped first, so a file the robot just wrote on a card is read afresh.
// Anything but a regular file (a folder, a pipe, a device) is Failed.
ReadResult ReadWholeFile(const std::filesystem::path& file, std::size_t capacity,
                         CacheUse cache = CacheUse::Normal);

enum class WriteStatus { Ok, Failed };

// Replaces a file's contents so that a crash leaves either the old or the new file: a
// temporary file beside it, flushed, renamed over the target. Where no second file can be
// made there (no room, no permission), the target is written in place. A symbolic link is
// followed, and the file it names is replaced; the link stays.
WriteStatus WriteWholeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

bool FileExists(const std::filesystem::path& file);

// The folder that holds the running executable.
std::filesystem::path ExecutableFolder();

}  // namespace zelvan::platform
