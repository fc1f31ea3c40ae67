#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace zelvan::platform::testing {

// A fresh folder per test under the system's temporary directory, removed afterwards even
// when a test left it read-only.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    // Parameterised tests are named "Case/3"; the slash must not become a subfolder.
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    folder_ =
        std::filesystem::temp_directory_path() / ("zelvan-platform-" + std::to_string(::getpid()) +
                                                  "-" + std::to_string(counter++) + "-" + name);
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }

  void TearDown() override {
    std::error_code error;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(folder_, error);
  }

  const std::filesystem::path& folder() const { return folder_; }

  static void WriteText(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << file;
  }

  static std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path folder_;
};

}  // namespace zelvan::platform::testing
