// Times a download and an upload of the largest program file (154,398 bytes) through the fake
// card with CardTransfer on libcurl, next to the curl command-line tool moving the same bytes
// in the same run, and prints the ratios at the end.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "card/card_transfer.h"
#include "card/upload_request.h"
#include "platform/clock.h"
#include "platform/http.h"
#include "ui/host.h"

extern char** environ;

namespace {

constexpr std::size_t kProgramSize = 154398;
constexpr const char* kProgramName = "MAINP.KPX";

struct ProcessOutput {
  int status = -1;
  std::string out;
};

// Runs a program and collects its standard output.
ProcessOutput RunProgram(std::vector<std::string> args, const char* errorFile = "/dev/null") {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile, O_WRONLY | O_CREAT, 0644);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  ProcessOutput result;
  if (spawned == 0) {
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
      result.out.append(buffer, static_cast<std::size_t>(got));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  close(pipeFds[0]);
  return result;
}

// The fake card as a child process; its port comes on the first line of its output.
class FakeCard {
 public:
  bool Start() {
    std::string pattern = (std::filesystem::temp_directory_path() / "card-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return false;
    folder_ = pattern;
    std::filesystem::create_directory(folder_ / "card");
    std::vector<std::string> args = {FAKE_CARD_PATH, "--root", (folder_ / "card").string(),
                                     "--time-limit", "900"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid_, FAKE_CARD_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string line;
    pollfd entry{pipeFds[0], POLLIN, 0};
    char buffer[32];
    while (spawned == 0 && line.find('\n') == std::string::npos && poll(&entry, 1, 5000) > 0) {
      const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
      if (got <= 0) break;
      line.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    if (line.find('\n') == std::string::npos) return false;
    host_ = "127.0.0.1:" + line.substr(0, line.find('\n'));
    return true;
  }
  ~FakeCard() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }
  const std::string& host() const { return host_; }
  std::filesystem::path Root() const { return folder_ / "card"; }
  std::filesystem::path Scratch(const char* name) const { return folder_ / name; }

 private:
  std::filesystem::path folder_;
  std::string host_;
  pid_t pid_ = -1;
};

FakeCard* card = nullptr;
std::vector<std::uint8_t> program;

class QuietHost final : public zelvan::ui::Host {
 public:
  zelvan::ui::Answer Message(int id, zelvan::ui::MessageStyle,
                             std::span<const std::string> args) override {
    std::fprintf(stderr, "message %d [%s]\n", id, args.empty() ? "" : args[0].c_str());
    failed = true;
    return zelvan::ui::Answer::Ok;
  }
  std::optional<std::string> OpenFile(const zelvan::ui::FileRequest&) override { return {}; }
  std::optional<zelvan::ui::Rgb> PickColour(zelvan::ui::Rgb) override { return {}; }
  int RunModal(const zelvan::ui::DialogTemplate&, zelvan::ui::DialogController&) override {
    return 0;
  }
  zelvan::ui::BusyScope Busy() override { return {}; }
  bool failed = false;
};

class FixedClock final : public zelvan::platform::Clock {
 public:
  zelvan::platform::LocalDateTime Now() const override { return {2021, 10, 23, 17, 45, 30}; }
};

std::string Url(const std::string& pathAndQuery) { return "http://" + card->host() + pathAndQuery; }

void DownloadWithCardTransfer(benchmark::State& state) {
  QuietHost host;
  zelvan::platform::CurlHttpClient http;
  const FixedClock clock;
  zelvan::card::CardTransfer transfer({host, http, clock, card->host()});
  std::vector<std::uint8_t> buffer(kProgramSize);
  for (auto _ : state) {
    const auto result = transfer.DownloadFile(kProgramName, buffer);
    if (result.count != kProgramSize || host.failed) state.SkipWithError("download failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kProgramSize));
}

// Sums the "%{time_total}" lines curl wrote: its own time for the exchanges, without the
// start of the process.
double SecondsReported(const std::string& out) {
  double total = 0;
  std::size_t pos = 0;
  while (pos < out.size()) {
    const std::size_t end = out.find('\n', pos);
    total += std::strtod(out.substr(pos, end - pos).c_str(), nullptr);
    if (end == std::string::npos) break;
    pos = end + 1;
  }
  return total;
}

void ReportCurlOwnTime(benchmark::State& state, double seconds) {
  state.counters["curl_own_ms"] =
      benchmark::Counter(seconds * 1e3 / static_cast<double>(state.iterations()));
}

void DownloadWithCurlTool(benchmark::State& state) {
  double ownSeconds = 0;
  const std::filesystem::path copy = card->Scratch("download.bin");
  for (auto _ : state) {
    const ProcessOutput run = RunProgram({"curl", "-s", "-f", "-o", copy.string(), "-w",
                                          "%{time_total}\n", Url(std::string("/") + kProgramName)});
    if (run.status != 0 || std::filesystem::file_size(copy) != kProgramSize) {
      state.SkipWithError("curl download failed");
    }
    ownSeconds += SecondsReported(run.out);
  }
  ReportCurlOwnTime(state, ownSeconds);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kProgramSize));
}

void UploadWithCardTransfer(benchmark::State& state) {
  QuietHost host;
  zelvan::platform::CurlHttpClient http;
  const FixedClock clock;
  zelvan::card::CardTransfer transfer({host, http, clock, card->host()});
  for (auto _ : state) {
    if (!transfer.UploadFile("", kProgramName, program, true) || host.failed) {
      state.SkipWithError("upload failed");
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kProgramSize));
}

// The same two exchanges in one curl run: the parameter request, then the POST of the very
// body CardTransfer builds.
void UploadWithCurlTool(benchmark::State& state) {
  const std::filesystem::path bodyFile = card->Scratch("body.bin");
  {
    const std::vector<std::uint8_t> body = zelvan::card::UploadBody(kProgramName, program);
    std::ofstream(bodyFile, std::ios::binary)
        .write(reinterpret_cast<const char*>(body.data()),
               static_cast<std::streamsize>(body.size()));
  }
  const std::string query = zelvan::card::UploadParameterQuery("", FixedClock().Now());
  std::filesystem::remove(card->Root() / kProgramName);
  double ownSeconds = 0;
  for (auto _ : state) {
    const ProcessOutput run = RunProgram({"curl",
                                          "-s",
                                          "-f",
                                          "-o",
                                          "/dev/null",
                                          "-w",
                                          "%{time_total}\n",
                                          Url("/upload.cgi" + query),
                                          "--next",
                                          "-s",
                                          "-f",
                                          "-o",
                                          "/dev/null",
                                          "-w",
                                          "%{time_total}\n",
                                          "-H",
                                          zelvan::card::UploadContentTypeLine(),
                                          "-H",
                                          "Expect:",
                                          "--data-binary",
                                          "@" + bodyFile.string(),
                                          Url("/upload.cgi")});
    if (run.status != 0) state.SkipWithError("curl upload failed");
    ownSeconds += SecondsReported(run.out);
  }
  if (std::filesystem::file_size(card->Root() / kProgramName) != kProgramSize) {
    state.SkipWithError("the card did not store curl's upload");
  }
  ReportCurlOwnTime(state, ownSeconds);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kProgramSize));
}

// Keeps the console output and adds the ratios of our client's time to curl's.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // With --benchmark_repetitions the median stands for the series.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      realTimes_[run.run_name.function_name] =
          run.GetAdjustedRealTime();  // in the unit set below: ms
      if (const auto own = run.counters.find("curl_own_ms"); own != run.counters.end()) {
        curlOwnTimes_[run.run_name.function_name] = own->second.value;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() {
    for (const char* road : {"Download", "Upload"}) {
      const auto ours = realTimes_.find(std::string(road) + "WithCardTransfer");
      const auto tool = realTimes_.find(std::string(road) + "WithCurlTool");
      if (ours == realTimes_.end() || tool == realTimes_.end()) continue;
      const double own = curlOwnTimes_[tool->first];
      std::printf(
          "%-8s CardTransfer %7.3f ms | curl tool %7.3f ms (ratio %.2f), of which its own "
          "transfer %7.3f ms (ratio %.2f)\n",
          road, ours->second, tool->second, ours->second / tool->second, own,
          own > 0 ? ours->second / own : 0.0);
    }
  }

 private:
  std::map<std::string, double> realTimes_;
  std::map<std::string, double> curlOwnTimes_;
};

}  // namespace

BENCHMARK(DownloadWithCardTransfer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DownloadWithCurlTool)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(UploadWithCardTransfer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(UploadWithCurlTool)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  setenv("no_proxy", "127.0.0.1,localhost", 1);

  FakeCard fake;
  if (!fake.Start()) {
    std::fprintf(stderr, "card-bench: the fake card did not start\n");
    return 1;
  }
  card = &fake;
  program.resize(kProgramSize);
  for (std::size_t i = 0; i < kProgramSize; ++i)
    program[i] = static_cast<std::uint8_t>(i * 31 % 251);
  std::ofstream(fake.Root() / kProgramName, std::ios::binary)
      .write(reinterpret_cast<const char*>(program.data()),
             static_cast<std::streamsize>(kProgramSize));

  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
