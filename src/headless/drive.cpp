#include "headless/drive.h"

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/zelvan_app.h"
#include "headless/doc_line.h"
#include "headless/headless_host.h"
#include "headless/script_line.h"
#include "platform/environment.h"
#include "platform/files.h"

namespace zelvan::headless {

namespace {

// Reads the script line by line and carries each command out on the editor.
class ScriptRunner {
 public:
  ScriptRunner(std::istream& script, std::ostream& out) : script_(script), out_(out) {}

  void SetApp(const CZelvanApp* app) { app_ = app; }
  HeadlessHost& Host() { return host_; }

  void RunNextLine() {
    std::string line;
    do {
      if (!std::getline(script_, line)) throw ScriptEnded{};
      if (!line.empty() && line.back() == '\r') line.pop_back();
    } while (!IsCommandLine(line));
    const auto command = ParseScriptLine(line);
    if (!command) throw ScriptError("not a command: " + line);
    if (!Execute(*command)) out_ << "ignored " << line << '\n';
  }

 private:
  // False when the user's action has no effect (a disabled, hidden or absent control).
  bool Execute(const ScriptLine& command) {
    HeadlessDialog* top = host_.Top();
    switch (command.verb) {
      case Verb::Click:
        return top && top->Click(command.id);
      case Verb::Type:
        return top && top->Type(command.id, command.text);
      case Verb::Spin:
        return top && PressSpin(*top, command.id, command.count);
      case Verb::Select:
        return top && top->Select(command.id, command.count);
      case Verb::Close:
        return top && top->Close();
      case Verb::About:
        // Only the main window has the menu, and only while no dialog covers it.
        if (!top || top != host_.Bottom()) return false;
        top->MenuCommand(ui::kIdAboutCommand);
        return true;
      case Verb::Answer:
        host_.QueueAnswer(command.answer);
        return true;
      case Verb::File:
        host_.QueueFile(command.cancel ? std::nullopt : std::optional(AbsolutePath(command.text)));
        return true;
      case Verb::Colour:
        host_.QueueColour(command.cancel ? std::nullopt : command.colour);
        return true;
      case Verb::Show: {
        const std::string line = top ? top->Describe(command.id) : std::string{};
        if (line.empty()) return false;
        out_ << line << '\n';
        return true;
      }
      case Verb::Doc:
        if (!app_ || !app_->Document()) return false;
        out_ << DocLine(*app_->Document()) << '\n';
        return true;
    }
    return false;
  }

  static bool PressSpin(HeadlessDialog& dialog, int id, int count) {
    const int delta = count > 0 ? 1 : -1;
    for (int press = 0; press < std::abs(count); ++press) {
      if (!dialog.PressSpin(id, delta)) return false;
    }
    return true;
  }

  static std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
  }

  std::istream& script_;
  std::ostream& out_;
  HeadlessHost host_{out_, [this] { RunNextLine(); }};
  const CZelvanApp* app_ = nullptr;
};

}  // namespace

int Drive(std::istream& script, std::ostream& out, std::ostream& err, const DriveSetup& setup) {
  platform::SystemClock systemClock;
  platform::CurlHttpClient curl;
  ScriptRunner runner(script, out);
  AppServices services{.host = runner.Host(),
                       .clock = setup.clock ? *setup.clock : systemClock,
                       .http = setup.http ? *setup.http : curl,
                       .cardHost = setup.cardHost.value_or(platform::CardHostName())};
  CZelvanApp app(services, setup.configPath);
  runner.SetApp(&app);
  try {
    try {
      app.Run();
      out << "exit\n";
    } catch (const ScriptEnded&) {
      // The script is over with windows still open: stop without the close procedure.
    }
    if (runner.Host().HasUnusedAnswers()) {
      throw ScriptError("the script ended with queued answers that were never used");
    }
  } catch (const ScriptError& error) {
    out.flush();
    err << "error: " << error.what() << '\n';
    return kDriveScriptError;
  }
  return kDriveOk;
}

int DriveMain(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::string usage = "usage: zelvan-drive [--ini PATH] [SCRIPT]\n";
  std::optional<std::filesystem::path> iniPath;
  std::optional<std::filesystem::path> scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      out << usage;
      return kDriveOk;
    }
    if (argument == "--ini") {
      if (i + 1 >= argc || iniPath) {
        err << usage;
        return kDriveBadArguments;
      }
      iniPath = argv[++i];
    } else if (argument.starts_with("-") && argument != "-") {
      err << "zelvan-drive: unknown option " << argument << '\n' << usage;
      return kDriveBadArguments;
    } else if (!scriptPath) {
      scriptPath = argument;
    } else {
      err << usage;
      return kDriveBadArguments;
    }
  }

  DriveSetup setup;
  std::error_code error;
  setup.configPath = iniPath ? std::filesystem::absolute(*iniPath, error)
                             : config::ConfigPathIn(platform::ExecutableFolder());

  if (!scriptPath || *scriptPath == "-") return Drive(in, out, err, setup);
  std::ifstream script(*scriptPath, std::ios::binary);
  if (!script) {
    err << "zelvan-drive: cannot read " << scriptPath->string() << '\n';
    return kDriveBadArguments;
  }
  return Drive(script, out, err, setup);
}

}  // namespace zelvan::headless
