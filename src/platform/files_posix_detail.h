#pragma once

// The system calls WriteWholeFile makes, behind an interface so tests can make one of them
// fail (no room for the temporary, a write that stops after N bytes) without a full disk.

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/files.h"

namespace zelvan::platform::detail {

class WriteOps {
 public:
  virtual ~WriteOps() = default;
  // Creates a new file that must not exist yet (the temporary); -1 and errno on failure.
  virtual int CreateExclusive(const char* path);
  // Opens the target itself for writing, creating it if needed, without truncating it.
  virtual int OpenInPlace(const char* path);
  virtual ssize_t Write(int fd, const void* data, std::size_t size);
  virtual int Sync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const char* from, const char* to);
  virtual int Remove(const char* path);
};

WriteStatus WriteWholeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                           WriteOps& ops);

}  // namespace zelvan::platform::detail
