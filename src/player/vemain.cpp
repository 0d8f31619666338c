#include "player/vemain.h"

#include <windows.h>

#include "core/CommandLine.h"
#include "core/Errors.h"
#include "core/FileIO.h"
#include "core/PlayerRun.h"
#include "win32/Handles.h"
#include "win32/forms/Application.h"
#include "win32/system/AnsiPath.h"
#include "win32/system/LocaleTime.h"
#include "win32/system/ProgramPath.h"
#include "win32/system/Registry.h"
#include "win32/system/SystemText.h"

namespace vx::player {

namespace {

using win32::Application;

// The page template; FileOpenError "Cannot open file "%s". %s" with the system's reason when
// it cannot be read.
std::string ReadLogTemplate(const std::string& path) {
  win32::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  const auto fail = [&path] {
    throw FileOpenError("Cannot open file \"" + path + "\". " +
                        win32::SystemErrorText(::GetLastError()));
  };
  if (!file) fail();
  std::string text;
  char buffer[1 << 14];
  DWORD got = 0;
  for (;;) {
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) fail();
    if (got == 0) break;
    text.append(buffer, got);
  }
  return text;
}

// The run log of one run: "vpLog" (missing reads as off), "vpLogPath" (missing reads as
// empty) and the template beside the player.
std::unique_ptr<TLog> CreateRunLog(const std::string& scriptPath, LogMirror* mirror) {
  PlayerProgram& program = Program();
  LogSetup setup;
  {
    const win32::RegistryReader settings(HKEY_CURRENT_USER, win32::SettingsKey);
    const StoredText folder = settings.ReadText("vpLogPath");
    setup.folder = folder.text;
    setup.folderHeld = folder.held;
    setup.enabled = settings.ReadBoolOr("vpLog", false);
  }
  setup.scriptPath = scriptPath;
  if (setup.enabled) {
    const std::string templateName(LogTemplateName);
    setup.playerFolder = win32::ProgramFolderFor(templateName, win32::PathUse::Open);
    setup.templateText = ReadLogTemplate(setup.playerFolder + templateName);
  }
  return std::make_unique<TLog>(std::move(setup), *program.clock, mirror);
}

}  // namespace

PlayerProgram::PlayerProgram()
    : params(SplitCommandLine(std::wstring_view(::GetCommandLineW()))),
      clock(std::make_unique<win32::LocaleTimeOfDay>()) {}

PlayerProgram::~PlayerProgram() = default;

std::string PlayerProgram::ScriptPath() const {
  return win32::AnsiPath(params.at(1), win32::PathUse::Open);
}

void PlayerProgram::End() {
  state.queryList.clear();
  state.variables = Variables();
  std::unique_ptr<TLog> ending = std::move(log);
  if (ending) ending->Save();
}

namespace {
std::unique_ptr<PlayerProgram> program;
}  // namespace

void CreateProgram() {
  program = std::make_unique<PlayerProgram>();
}
void EndProgram() {
  if (program) program->End();
}
void DestroyProgram() {
  program.reset();
}
PlayerProgram& Program() {
  return *program;
}

namespace {

// The run without the progress window: no captions; waiting messages still run between steps.
class WindowlessHost : public RunHost {
 public:
  void ShowStep(const std::string&) override {}
  void ProcessMessages() override { Application().ProcessMessages(); }
  void Pause(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace

void RunScript(const std::string& path) {
  WindowlessHost host;
  RunScript(path, host);
}

void RunScript(const std::string& path, RunHost& host) {
  PlayerProgram& program = Program();
  program.log = CreateRunLog(path, host.LogLines());
  const std::string bytes = ReadFileBytes(path);
  RunScriptSteps(bytes, *program.log, program.state, program.ports, host);
}

void ShowNoParameters() {
  Program().ports.boxes.MessageBoxA("No paramters passed, Vorlix Parser will close.", "Vorlix",
                                    MbOk | MbIconInformation);
}

}  // namespace vx::player
