#include "platform/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/files_posix_detail.h"
#include "temp_folder.h"

namespace zelvan::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempFolderTest;

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::string Text(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

// True where permission bits do not stop this process (root, or a capability).
bool CanCreateIn(const fs::path& folder) {
  const fs::path probe = folder / "probe";
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

class ReadFile : public TempFolderTest {};

TEST_F(ReadFile, ReadsUpToCapacity) {
  struct Row {
    std::string content;
    std::size_t capacity;
    std::string expected;
    bool exceeds;
  };
  const fs::path file = folder() / "data.bin";
  for (const Row& row :
       {Row{"0123456789", 10, "0123456789", false}, Row{"0123456789", 100, "0123456789", false},
        Row{"0123456789", 9, "012345678", true}, Row{"0123456789", 0, "", true},
        Row{"", 0, "", false}, Row{std::string("a\0b", 3), 3, std::string("a\0b", 3), false}}) {
    WriteText(file, row.content);
    for (const CacheUse cache : {CacheUse::Normal, CacheUse::Bypass}) {
      const ReadResult read = ReadWholeFile(file, row.capacity, cache);
      SCOPED_TRACE(row.content + " capacity " + std::to_string(row.capacity));
      EXPECT_EQ(read.status, ReadStatus::Ok);
      EXPECT_EQ(Text(read.bytes), row.expected);
      EXPECT_EQ(read.exceedsCapacity, row.exceeds);
    }
  }
}

TEST_F(ReadFile, ReadsFileLongerThanOneChunk) {
  std::string content(300'000, '\0');
  for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7 % 251);
  const fs::path file = folder() / "big.bin";
  WriteText(file, content);

  ReadResult read = ReadWholeFile(file, content.size());
  EXPECT_TRUE(read.ok());
  EXPECT_EQ(Text(read.bytes), content);
  EXPECT_FALSE(read.exceedsCapacity);

  read = ReadWholeFile(file, content.size() - 1);
  EXPECT_TRUE(read.ok());
  EXPECT_EQ(read.bytes.size(), content.size() - 1);
  EXPECT_TRUE(read.exceedsCapacity);
}

// Such files report 0 bytes to stat and still hold data; card mounts can do the same.
TEST_F(ReadFile, DoesNotTrustReportedSize) {
  const fs::path file = "/proc/self/status";
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || info.st_size != 0) {
    GTEST_SKIP() << "no zero-sized file with content here";
  }
  ReadResult read = ReadWholeFile(file, 1 << 20);
  ASSERT_TRUE(read.ok());
  EXPECT_FALSE(read.bytes.empty());
  EXPECT_FALSE(read.exceedsCapacity);

  read = ReadWholeFile(file, 4);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.bytes.size(), 4u);
  EXPECT_TRUE(read.exceedsCapacity);
}

TEST_F(ReadFile, ReportsMissingFile) {
  WriteText(folder() / "plain", "x");
  for (const fs::path& missing :
       {folder() / "absent", folder() / "absent" / "file", folder() / "plain" / "file"}) {
    const ReadResult read = ReadWholeFile(missing, 10);
    EXPECT_EQ(read.status, ReadStatus::NotFound) << missing;
    EXPECT_TRUE(read.bytes.empty());
  }
}

TEST_F(ReadFile, FailsOnFolderAndPipe) {
  EXPECT_EQ(ReadWholeFile(folder(), 10).status, ReadStatus::Failed);
  // A pipe with no writer would block a plain open forever.
  const fs::path pipe = folder() / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(ReadWholeFile(pipe, 10).status, ReadStatus::Failed);
}

TEST_F(ReadFile, FailsOnUnreadableFile) {
  const fs::path file = folder() / "locked";
  WriteText(file, "secret");
  fs::permissions(file, fs::perms::none);
  if (::access(file.c_str(), R_OK) == 0) GTEST_SKIP() << "permission bits do not bind here";
  EXPECT_EQ(ReadWholeFile(file, 10).status, ReadStatus::Failed);
}

class WriteFile : public TempFolderTest {};

TEST_F(WriteFile, CreatesFileWithUsualPermissions) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const fs::path file = folder() / "new.bin";
  ASSERT_EQ(WriteWholeFile(file, Bytes("new")), WriteStatus::Ok);
  EXPECT_EQ(ReadText(file), "new");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_F(WriteFile, ReplacesFileKeepingPermissionsAndNoLeftovers) {
  const fs::path file = folder() / "STARTUP.XML";
  WriteText(file, "old contents that are longer");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  ASSERT_EQ(WriteWholeFile(file, Bytes("new")), WriteStatus::Ok);
  EXPECT_EQ(ReadText(file), "new");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(folder()), std::vector<std::string>{"STARTUP.XML"});

  ASSERT_EQ(WriteWholeFile(file, {}), WriteStatus::Ok);
  EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(WriteFile, WritesThroughSymlinksToTheirTarget) {
  fs::create_directory(folder() / "real");
  const fs::path target = folder() / "real" / "main.bin";
  WriteText(target, "old");
  fs::create_symlink(target, folder() / "absolute");
  fs::create_symlink("real/main.bin", folder() / "relative");
  fs::create_symlink("relative", folder() / "chain");

  for (const char* link : {"absolute", "relative", "chain"}) {
    ASSERT_EQ(WriteWholeFile(folder() / link, Bytes(link)), WriteStatus::Ok) << link;
    EXPECT_TRUE(fs::is_symlink(folder() / link));
    EXPECT_EQ(ReadText(target), link);
  }
  EXPECT_EQ(Entries(folder() / "real"), std::vector<std::string>{"main.bin"});

  fs::create_symlink("real/later.bin", folder() / "dangling");
  ASSERT_EQ(WriteWholeFile(folder() / "dangling", Bytes("made")), WriteStatus::Ok);
  EXPECT_TRUE(fs::is_symlink(folder() / "dangling"));
  EXPECT_EQ(ReadText(folder() / "real" / "later.bin"), "made");
}

TEST_F(WriteFile, FailsWhereNoFileCanBe) {
  fs::create_symlink("loop2", folder() / "loop1");
  fs::create_symlink("loop1", folder() / "loop2");
  fs::create_directory(folder() / "sub");
  for (const fs::path& bad :
       {folder() / "loop1", folder() / "sub", folder() / "absent" / "f", fs::path{}}) {
    EXPECT_EQ(WriteWholeFile(bad, Bytes("x")), WriteStatus::Failed) << bad;
  }
  EXPECT_TRUE(fs::is_symlink(folder() / "loop1"));
  EXPECT_TRUE(fs::is_empty(folder() / "sub"));
}

TEST_F(WriteFile, WritesInPlaceInReadOnlyFolder) {
  const fs::path file = folder() / "STARTUP.XML";
  WriteText(file, "old contents");
  fs::permissions(folder(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
  if (CanCreateIn(folder())) GTEST_SKIP() << "permission bits do not bind here";

  ASSERT_EQ(WriteWholeFile(file, Bytes("new")), WriteStatus::Ok);
  EXPECT_EQ(ReadText(file), "new");
  EXPECT_EQ(Entries(folder()), std::vector<std::string>{"STARTUP.XML"});
}

// Makes chosen steps fail the way a full card or a read-only mount would. The temporary is
// told apart from the target by the descriptor CreateExclusive handed out.
class FaultyOps : public detail::WriteOps {
 public:
  bool failCreateTemp = false;
  std::optional<std::size_t> tempWriteLimit;  // bytes accepted before ENOSPC
  bool failTempSync = false;
  bool failRename = false;
  bool failOpenInPlace = false;
  std::optional<std::size_t> inPlaceWriteLimit;
  bool choppy = false;  // short writes and EINTR, which a correct writer rides out

  bool usedInPlace = false;

  int CreateExclusive(const char* path) override {
    if (failCreateTemp) {
      errno = ENOSPC;
      return -1;
    }
    tempFd_ = WriteOps::CreateExclusive(path);
    return tempFd_;
  }

  int OpenInPlace(const char* path) override {
    usedInPlace = true;
    if (failOpenInPlace) {
      errno = EROFS;
      return -1;
    }
    return WriteOps::OpenInPlace(path);
  }

  ssize_t Write(int fd, const void* data, std::size_t size) override {
    const bool temp = fd == tempFd_;
    std::size_t& written = temp ? tempWritten_ : inPlaceWritten_;
    const std::optional<std::size_t>& limit = temp ? tempWriteLimit : inPlaceWriteLimit;
    if (choppy && (interrupt_ = !interrupt_)) {
      errno = EINTR;
      return -1;
    }
    if (choppy) size = std::min<std::size_t>(size, 3);
    if (limit) {
      if (written >= *limit) {
        errno = ENOSPC;
        return -1;
      }
      size = std::min(size, *limit - written);
    }
    const ssize_t wrote = WriteOps::Write(fd, data, size);
    if (wrote > 0) written += static_cast<std::size_t>(wrote);
    return wrote;
  }

  int Sync(int fd) override {
    if (failTempSync && fd == tempFd_) {
      errno = EIO;
      return -1;
    }
    return WriteOps::Sync(fd);
  }

  // The kernel hands a closed descriptor's number out again, here to the in-place open.
  int Close(int fd) override {
    if (fd == tempFd_) tempFd_ = -1;
    return WriteOps::Close(fd);
  }

  int Rename(const char* from, const char* to) override {
    if (failRename) {
      errno = EPERM;
      return -1;
    }
    return WriteOps::Rename(from, to);
  }

 private:
  int tempFd_ = -1;
  std::size_t tempWritten_ = 0;
  std::size_t inPlaceWritten_ = 0;
  bool interrupt_ = false;
};

struct FaultCase {
  std::string name;
  void (*arrange)(FaultyOps&);
  WriteStatus status;
  std::string contents;  // of the target afterwards
  bool usedInPlace;
};

class WriteFault : public TempFolderTest, public ::testing::WithParamInterface<FaultCase> {};

constexpr std::string_view kOld = "old contents, longer than the new";
constexpr std::string_view kNew = "new contents";

TEST_P(WriteFault, NeverTearsTheTargetThroughTheTemporary) {
  const FaultCase& row = GetParam();
  const fs::path file = folder() / "STARTUP.XML";
  WriteText(file, kOld);
  FaultyOps ops;
  row.arrange(ops);

  EXPECT_EQ(detail::WriteWholeFile(file, Bytes(kNew), ops), row.status);
  EXPECT_EQ(ReadText(file), row.contents);
  EXPECT_EQ(ops.usedInPlace, row.usedInPlace);
  EXPECT_EQ(Entries(folder()), std::vector<std::string>{"STARTUP.XML"});  // no temporary left
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteFault,
    ::testing::Values(
        FaultCase{"NoFault", [](FaultyOps&) {}, WriteStatus::Ok, std::string(kNew), false},
        FaultCase{"ChoppyWrites", [](FaultyOps& ops) { ops.choppy = true; }, WriteStatus::Ok,
                  std::string(kNew), false},
        FaultCase{"NoRoomForTemporary", [](FaultyOps& ops) { ops.failCreateTemp = true; },
                  WriteStatus::Ok, std::string(kNew), true},
        FaultCase{"NoRoomForTemporaryChoppyInPlace",
                  [](FaultyOps& ops) {
                    ops.failCreateTemp = true;
                    ops.choppy = true;
                  },
                  WriteStatus::Ok, std::string(kNew), true},
        FaultCase{"TemporaryFillsUp", [](FaultyOps& ops) { ops.tempWriteLimit = 5; },
                  WriteStatus::Ok, std::string(kNew), true},
        FaultCase{"TemporaryFillsUpAndTargetReadOnly",
                  [](FaultyOps& ops) {
                    ops.tempWriteLimit = 5;
                    ops.failOpenInPlace = true;
                  },
                  WriteStatus::Failed, std::string(kOld), true},
        FaultCase{"TemporaryNotFlushed",
                  [](FaultyOps& ops) {
                    ops.failTempSync = true;
                    ops.failOpenInPlace = true;
                  },
                  WriteStatus::Failed, std::string(kOld), true},
        FaultCase{"RenameRefused", [](FaultyOps& ops) { ops.failRename = true; }, WriteStatus::Ok,
                  std::string(kNew), true},
        // The in-place write is the last resort: when it fails too the target is torn,
        // and the caller must hear so.
        FaultCase{"InPlaceFillsUpToo",
                  [](FaultyOps& ops) {
                    ops.failCreateTemp = true;
                    ops.inPlaceWriteLimit = 4;
                  },
                  WriteStatus::Failed, "new " + std::string(kOld.substr(4)), true}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST_F(WriteFile, InPlaceWriteGrowsOrShrinksTheFile) {
  const fs::path file = folder() / "main.bin";
  FaultyOps ops;
  ops.failCreateTemp = true;
  for (const std::string_view contents : {"a longer replacement text", "short", ""}) {
    ASSERT_EQ(detail::WriteWholeFile(file, Bytes(contents), ops), WriteStatus::Ok);
    EXPECT_EQ(ReadText(file), contents);
  }
}

TEST_F(WriteFile, FileExists) {
  WriteText(folder() / "file", "x");
  fs::create_directory(folder() / "folder");
  fs::create_symlink("file", folder() / "to-file");
  fs::create_symlink("folder", folder() / "to-folder");
  fs::create_symlink("absent", folder() / "dangling");

  EXPECT_TRUE(FileExists(folder() / "file"));
  EXPECT_TRUE(FileExists(folder() / "to-file"));
  EXPECT_FALSE(FileExists(folder() / "absent"));
  EXPECT_FALSE(FileExists(folder() / "folder"));
  EXPECT_FALSE(FileExists(folder() / "to-folder"));
  EXPECT_FALSE(FileExists(folder() / "dangling"));
}

TEST(ExecutableFolder, HoldsTheRunningTest) {
  const fs::path folder = ExecutableFolder();
  EXPECT_TRUE(folder.is_absolute());
  EXPECT_TRUE(FileExists(folder / "platform_tests")) << folder;
}

}  // namespace
}  // namespace zelvan::platform
