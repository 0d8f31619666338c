// End-to-end helpers for tests that run the player (vexec.exe) under Wine: starting it with
// arguments and waiting with a time-out, the player's settings in the registry, reading a
// run log, finding windows and reading their texts across processes, and writing scripts.
//
// Tests that change the settings or look for windows share the one desktop and registry:
// register them with DESKTOP (vx_add_gtest ... DESKTOP) so they never run side by side.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/Command.h"
#include "core/ScriptFile.h"

namespace vxtest {

// ---- paths ---------------------------------------------------------------------------

// A Unix path as the Windows programs take it: "/work/x" becomes "Z:\work\x".
inline std::string WindowsPath(const std::string& path) {
  if (path.size() > 1 && path[1] == ':') return path;
  std::string out = "Z:" + path;
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}

// The player built beside the tests (logbase.htm lies beside it).
inline std::string VexecPath() {
  return WindowsPath(VX_BINARY_DIR "/src/player/vexec.exe");
}

// ---- processes -----------------------------------------------------------------------

// A started program; the handles close when it goes out of scope (the program runs on).
class Process {
 public:
  Process() = default;
  explicit Process(PROCESS_INFORMATION info) : info_(info) {}
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  Process(Process&& other) noexcept : info_(std::exchange(other.info_, {})) {}
  Process& operator=(Process&& other) noexcept {
    if (this != &other) {
      Close();
      info_ = std::exchange(other.info_, {});
    }
    return *this;
  }
  ~Process() { Close(); }

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  // The exit code once the program has ended within timeoutMs; nullopt when it still runs.
  std::optional<DWORD> Wait(DWORD timeoutMs) const {
    if (!Started() || ::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
      return std::nullopt;
    DWORD code = 0;
    ::GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }
  void Kill() const {
    if (Started()) ::TerminateProcess(info_.hProcess, 99);
  }

 private:
  void Close() {
    if (info_.hThread) ::CloseHandle(info_.hThread);
    if (info_.hProcess) ::CloseHandle(info_.hProcess);
    info_ = {};
  }
  PROCESS_INFORMATION info_{};
};

// Quotes an argument that holds blanks, as the system's command-line splitting expects.
inline std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string quoted(1, '"');
  quoted.append(argument).push_back('"');
  return quoted;
}

// Starts program with the arguments (each quoted where needed).
inline Process StartProgram(const std::string& program, const std::vector<std::string>& args) {
  std::string commandLine = QuoteArgument(program);
  for (const std::string& arg : args) commandLine.append(" ").append(QuoteArgument(arg));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
    return Process();
  return Process(info);
}

struct RunResult {
  bool finished = false;  // false: still running after the time-out (it was then killed)
  DWORD exitCode = 0;
};

// Runs program to its end, killing it after timeoutMs.
inline RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                            DWORD timeoutMs = 30000) {
  Process process = StartProgram(program, args);
  if (!process.Started()) return {};
  if (auto code = process.Wait(timeoutMs)) return {true, *code};
  process.Kill();
  process.Wait(5000);
  return {};
}

inline Process StartVexec(const std::vector<std::string>& args) {
  return StartProgram(VexecPath(), args);
}
inline RunResult RunVexec(const std::vector<std::string>& args, DWORD timeoutMs = 30000) {
  return RunProgram(VexecPath(), args, timeoutMs);
}

// ---- the player's settings (HKCU\Software\Vorlix) -----------------------------------

inline constexpr const char* VorlixKey = "Software\\Vorlix";

// Removes every value of the key (and the key), as on a machine where the options were
// never applied.
inline void ClearVorlixSettings() {
  ::RegDeleteTreeA(HKEY_CURRENT_USER, VorlixKey);
}

// Writes one value of any type, raw (for values of the wrong type).
inline void SetVorlixValue(const std::string& name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, VorlixKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return;
  ::RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  ::RegCloseKey(key);
}
inline void SetVorlixFlag(const std::string& name, DWORD value) {
  SetVorlixValue(name, REG_DWORD, &value, sizeof value);
}
inline void SetVorlixText(const std::string& name, const std::string& value) {
  SetVorlixValue(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}
inline void DeleteVorlixValue(const std::string& name) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, VorlixKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
  ::RegDeleteValueA(key, name.c_str());
  ::RegCloseKey(key);
}

// The four player settings at once: clears the key, then writes what is given. logPath
// nullopt leaves "vpLogPath" missing.
struct PlayerSettings {
  bool show = false;
  bool extended = false;
  bool log = false;
  std::optional<std::string> logPath;
};
inline void SetPlayerSettings(const PlayerSettings& settings) {
  ClearVorlixSettings();
  SetVorlixFlag("vpShow", settings.show ? 1 : 0);
  SetVorlixFlag("vpExtended", settings.extended ? 1 : 0);
  SetVorlixFlag("vpLog", settings.log ? 1 : 0);
  if (settings.logPath) SetVorlixText("vpLogPath", *settings.logPath);
}

// ---- files ---------------------------------------------------------------------------

// The whole file, or nullopt when it cannot be read (no log was written).
inline std::optional<std::string> ReadFileText(const std::string& path) {
  const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string text;
  char buffer[8192];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    text.append(buffer, got);
  ::CloseHandle(file);
  return text;
}

// The run log of scriptPath written into folder: folder + script file name + ".htm".
inline std::string LogFileFor(const std::string& folder, const std::string& scriptPath) {
  std::string name = scriptPath.substr(scriptPath.find_last_of("\\/") + 1);
  std::string base = folder;
  if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
  return base + name + ".htm";
}

// ---- scripts -------------------------------------------------------------------------

inline vx::TCommand Step(std::uint8_t kind, std::string p1 = {}, std::string p2 = {},
                         std::string p3 = {}, bool enabled = true) {
  return {kind, std::move(p1), std::move(p2), std::move(p3), {}, std::uint8_t(enabled ? 1 : 0)};
}

// Writes steps as a script file (the editor's own writer).
inline void WriteScript(const std::string& path, const std::vector<vx::TCommand>& steps) {
  const std::string bytes = vx::EncodeScript(steps, 0, -1);
  const HANDLE file =
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

// Polls condition every 20 ms until it holds or timeoutMs passed; whether it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 10000) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// ---- windows -------------------------------------------------------------------------

// Polls for a top-level window with that caption (and class, when given) until timeoutMs;
// with processId, only that process's windows count.
inline HWND FindWindowByCaption(const std::string& caption, DWORD timeoutMs = 10000,
                                DWORD processId = 0, const char* className = nullptr) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    HWND found = nullptr;
    while ((found = ::FindWindowExA(nullptr, found, className, caption.c_str())) != nullptr) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(found, &owner);
      if (processId == 0 || owner == processId) return found;
    }
    if (std::chrono::steady_clock::now() >= until) return nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

// A window's text read with WM_GETTEXT in its wide form (the narrow messages lose all but
// the first character across processes under Wine), converted to the ANSI code page.
inline std::string WindowText(HWND window) {
  wchar_t buffer[4096] = {};
  ::SendMessageW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer));
  char narrow[8192] = {};
  ::WideCharToMultiByte(CP_ACP, 0, buffer, -1, narrow, sizeof narrow, nullptr, nullptr);
  return narrow;
}

// The texts of a window's children in order (a message box's text is its static child).
inline std::vector<std::string> ChildTexts(HWND window) {
  std::vector<std::string> texts;
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    texts.push_back(WindowText(child));
  return texts;
}

// The message text of a message box (its static control with id 0xFFFF).
inline std::string MessageBoxText(HWND box) {
  const HWND text = ::GetDlgItem(box, 0xFFFF);
  return text ? WindowText(text) : std::string();
}

// Presses the box's OK (or only) button.
inline void DismissMessageBox(HWND box) {
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// The texts of a list box in another process, read with LB_GETTEXT's wide form.
inline std::vector<std::string> ListBoxItems(HWND list) {
  std::vector<std::string> items;
  const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t buffer[4096] = {};
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
    char narrow[8192] = {};
    ::WideCharToMultiByte(CP_ACP, 0, buffer, -1, narrow, sizeof narrow, nullptr, nullptr);
    items.emplace_back(narrow);
  }
  return items;
}

inline RECT WindowBounds(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r;
}

inline RECT WorkArea() {
  RECT r{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

}  // namespace vxtest
