#include "fake_card_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

extern char** environ;

namespace zelvan::card::testing {
namespace {

std::string ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads the port line the fake card prints first.
unsigned ReadPort(int fd) {
  std::string line;
  while (line.find('\n') == std::string::npos) {
    pollfd entry{fd, POLLIN, 0};
    if (poll(&entry, 1, 10000) <= 0) return 0;
    char buffer[64];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) return 0;
    line.append(buffer, static_cast<std::size_t>(got));
  }
  return static_cast<unsigned>(std::stoul(line));
}

}  // namespace

FakeCardProcess::FakeCardProcess(std::vector<std::string> misbehaviours) {
  // A proxy from the environment must not stand between the client and 127.0.0.1.
  setenv("no_proxy", "127.0.0.1,localhost", 1);

  std::string pattern = (std::filesystem::temp_directory_path() / "card-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot make a temporary folder";
    return;
  }
  folder_ = pattern;
  root_ = folder_ / "card";
  log_ = folder_ / "requests.log";
  std::filesystem::create_directory(root_);

  std::vector<std::string> args = {FAKE_CARD_PATH, "--root",       root_.string(), "--log",
                                   log_.string(),  "--time-limit", "120"};
  for (std::string& mode : misbehaviours) {
    args.emplace_back("--misbehave");
    args.push_back(std::move(mode));
  }
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int out[2];
  if (pipe(out) != 0) {
    ADD_FAILURE() << "cannot make a pipe";
    return;
  }
  const std::string errorFile = (folder_ / "stderr.txt").string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int spawned = posix_spawn(&pid_, FAKE_CARD_PATH, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    pid_ = -1;
    close(out[0]);
    ADD_FAILURE() << "cannot start " << FAKE_CARD_PATH;
    return;
  }
  port_ = ReadPort(out[0]);
  close(out[0]);
  if (port_ == 0) ADD_FAILURE() << "the fake card did not report its port";
}

FakeCardProcess::~FakeCardProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  std::error_code ignored;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
}

std::string FakeCardProcess::HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }

void FakeCardProcess::PutFile(const std::filesystem::path& relative, std::string_view bytes) const {
  const std::filesystem::path file = root_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> FakeCardProcess::StoredFile(
    const std::filesystem::path& relative) const {
  const std::filesystem::path file = root_ / relative;
  if (!std::filesystem::is_regular_file(file)) return std::nullopt;
  return ReadWholeFile(file);
}

std::vector<WireRequest> FakeCardProcess::Requests() const {
  const std::string log = ReadWholeFile(log_);
  std::vector<WireRequest> requests;
  std::size_t pos = 0;
  while (pos < log.size()) {
    const std::size_t lineEnd = log.find('\n', pos);
    const std::string_view prefix = "#request ";
    if (lineEnd == std::string::npos || log.compare(pos, prefix.size(), prefix) != 0) {
      ADD_FAILURE() << "the request log is malformed at byte " << pos;
      break;
    }
    const std::size_t length = std::stoul(log.substr(pos + prefix.size(), lineEnd - pos));
    const std::string raw = log.substr(lineEnd + 1, length);
    pos = lineEnd + 1 + length + 1;
    const std::size_t headEnd = raw.find("\r\n\r\n");
    const std::size_t split = headEnd == std::string::npos ? raw.size() : headEnd + 4;
    requests.push_back({raw.substr(0, split), raw.substr(split)});
  }
  return requests;
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace zelvan::card::testing
