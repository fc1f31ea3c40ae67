#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "platform/files.h"
#include "platform/files_posix_detail.h"

namespace fs = std::filesystem;

namespace zelvan::platform {
namespace {

class FdGuard {
 public:
  explicit FdGuard(int fd) : fd_(fd) {}
  ~FdGuard() {
    if (fd_ >= 0) ::close(fd_);
  }
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;

 private:
  int fd_;
};

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path, flags, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Reads into out until it holds limit bytes or the file ends. Sizes reported by stat are
// not trusted: files under /proc and on some card mounts claim 0 bytes and still hold data.
bool ReadUpTo(int fd, std::size_t limit, std::vector<std::uint8_t>& out) {
  constexpr std::size_t kChunk = 64 * 1024;
  while (out.size() < limit) {
    const std::size_t have = out.size();
    const std::size_t want = std::min(kChunk, limit - have);
    out.resize(have + want);
    const ssize_t got = ::read(fd, out.data() + have, want);
    if (got < 0) {
      out.resize(have);
      if (errno == EINTR) continue;
      return false;
    }
    out.resize(have + static_cast<std::size_t>(got));
    if (got == 0) break;
  }
  return true;
}

// Follows a chain of symbolic links to the file they name, so a write replaces that file
// and leaves the links in place. Nothing for a loop.
std::optional<fs::path> ResolveLinks(const fs::path& file) {
  constexpr int kMaxHops = 40;  // the kernel's own limit for a path lookup
  fs::path current = file;
  for (int hop = 0; hop < kMaxHops; ++hop) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(current, error);
    if (error || !fs::is_symlink(status)) return current;
    const fs::path target = fs::read_symlink(current, error);
    if (error) return std::nullopt;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return std::nullopt;
}

bool WriteAll(detail::WriteOps& ops, int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ops.Write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (wrote == 0) return false;  // no progress and no error: give up rather than spin
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

std::string RandomSuffix() {
  static constexpr char kAlphabet[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  thread_local std::mt19937_64 engine = [] {
    std::seed_seq seed{
        static_cast<std::uint64_t>(::getpid()),
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()),
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())};
    return std::mt19937_64(seed);
  }();
  std::uniform_int_distribution<std::size_t> pick(0, sizeof(kAlphabet) - 2);
  std::string suffix(8, 'x');
  for (char& c : suffix) c = kAlphabet[pick(engine)];
  return suffix;
}

// A hidden name beside the target, so a leftover after a crash is easy to recognise.
int CreateTemporary(detail::WriteOps& ops, const fs::path& target, std::string& tempPath) {
  constexpr std::size_t kMaxNameStem = 200;  // leaves room under NAME_MAX for the suffix
  std::string stem = target.filename().string().substr(0, kMaxNameStem);
  const fs::path folder = target.parent_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = folder / ("." + stem + "." + RandomSuffix());
    tempPath = candidate.string();
    const int fd = ops.CreateExclusive(tempPath.c_str());
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The temporary takes over the target's owner and permission bits: otherwise a file the
// user had made private would come back readable by others after the rename.
bool CopyOwnerAndMode(int fd, const struct stat& target) {
  struct stat own {};
  if (::fstat(fd, &own) != 0) return false;
  if ((own.st_uid != target.st_uid || own.st_gid != target.st_gid) &&
      ::fchown(fd, target.st_uid, target.st_gid) != 0) {
    return false;
  }
  return ::fchmod(fd, target.st_mode & 07777) == 0;
}

void SyncFolder(const fs::path& folder) {
  const int fd =
      OpenRetrying(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

bool WriteViaTemporary(detail::WriteOps& ops, const fs::path& target,
                       std::span<const std::uint8_t> bytes, const struct stat* existing) {
  std::string tempPath;
  const int fd = CreateTemporary(ops, target, tempPath);
  if (fd < 0) return false;
  bool ok = (existing == nullptr || CopyOwnerAndMode(fd, *existing)) && WriteAll(ops, fd, bytes) &&
            ops.Sync(fd) == 0;
  ok = ops.Close(fd) == 0 && ok;
  if (ok && ops.Rename(tempPath.c_str(), target.c_str()) == 0) {
    SyncFolder(target.parent_path());
    return true;
  }
  (void)ops.Remove(tempPath.c_str());
  return false;
}

// The last resort when no second file can be made. The old bytes are overwritten rather
// than truncated first, so blocks the file already owns are reused when space is short.
bool WriteInPlace(detail::WriteOps& ops, const fs::path& target,
                  std::span<const std::uint8_t> bytes) {
  const int fd = ops.OpenInPlace(target.c_str());
  if (fd < 0) return false;
  bool ok = WriteAll(ops, fd, bytes);
  if (ok) {
    int cut;
    do {
      cut = ::ftruncate(fd, static_cast<off_t>(bytes.size()));
    } while (cut != 0 && errno == EINTR);
    ok = cut == 0 && ops.Sync(fd) == 0;
  }
  return ops.Close(fd) == 0 && ok;
}

}  // namespace

namespace detail {

int WriteOps::CreateExclusive(const char* path) {
  return OpenRetrying(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int WriteOps::OpenInPlace(const char* path) {
  return OpenRetrying(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
}

ssize_t WriteOps::Write(int fd, const void* data, std::size_t size) {
  return ::write(fd, data, size);
}

int WriteOps::Sync(int fd) { return ::fsync(fd); }
int WriteOps::Close(int fd) { return ::close(fd); }
int WriteOps::Rename(const char* from, const char* to) { return ::rename(from, to); }
int WriteOps::Remove(const char* path) { return ::unlink(path); }

WriteStatus WriteWholeFile(const fs::path& file, std::span<const std::uint8_t> bytes,
                           WriteOps& ops) {
  try {
    if (file.empty()) return WriteStatus::Failed;
    const std::optional<fs::path> target = ResolveLinks(file);
    if (!target) return WriteStatus::Failed;

    struct stat existing {};
    const bool exists = ::stat(target->c_str(), &existing) == 0;
    // Only ever replace a regular file: a rename would swap a folder or device for a file.
    if (exists && !S_ISREG(existing.st_mode)) return WriteStatus::Failed;

    if (WriteViaTemporary(ops, *target, bytes, exists ? &existing : nullptr)) {
      return WriteStatus::Ok;
    }
    return WriteInPlace(ops, *target, bytes) ? WriteStatus::Ok : WriteStatus::Failed;
  } catch (...) {
    return WriteStatus::Failed;
  }
}

}  // namespace detail

ReadResult ReadWholeFile(const fs::path& file, std::size_t capacity, CacheUse cache) {
  ReadResult result;
  try {
    // Non-blocking open, so naming a FIFO cannot hang the caller before fstat rejects it.
    const int fd = OpenRetrying(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
      result.status =
          (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::NotFound : ReadStatus::Failed;
      return result;
    }
    FdGuard guard(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return result;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (cache == CacheUse::Bypass) {
      // Failure only means the pages stay cached; the read is still correct.
      (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    }
    if (info.st_size > 0) {
      result.bytes.reserve(std::min(capacity, static_cast<std::size_t>(info.st_size)));
    }
    if (!ReadUpTo(fd, capacity, result.bytes)) {
      result.bytes.clear();
      return result;
    }
    if (result.bytes.size() == capacity) {
      // One byte more tells whether the file goes on past the capacity.
      std::vector<std::uint8_t> probe;
      if (!ReadUpTo(fd, 1, probe)) {
        result.bytes.clear();
        return result;
      }
      result.exceedsCapacity = !probe.empty();
    }
    result.status = ReadStatus::Ok;
    return result;
  } catch (...) {
    result = ReadResult{};
    return result;
  }
}

WriteStatus WriteWholeFile(const fs::path& file, std::span<const std::uint8_t> bytes) {
  detail::WriteOps ops;
  return detail::WriteWholeFile(file, bytes, ops);
}

bool FileExists(const fs::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

fs::path ExecutableFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (!error && exe.has_parent_path()) return exe.parent_path();
  fs::path current = fs::current_path(error);
  return error ? fs::path{} : current;
}

}  // namespace zelvan::platform
