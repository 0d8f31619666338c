// End-to-end helpers for tests that run the player (vexec.exe) under Wine: starting it with
// arguments, the player's settings in the registry, reading a run log and writing scripts.
// Waiting, windows, boxes and programs come from the shared desktop helper.
//
// Tests that change the settings or look for windows share the one desktop and registry:
// register them with DESKTOP (vx_add_gtest ... DESKTOP) so they never run side by side.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DesktopHelper.h"
#include "core/Command.h"
#include "core/ScriptFile.h"

namespace vxtest {

// The player built beside the tests (logbase.htm lies beside it).
inline std::string VexecPath() {
  return WindowsPath(VX_BINARY_DIR "/src/player/vexec.exe");
}

// ---- the player ----------------------------------------------------------------------

struct RunResult {
  bool finished = false;  // false: still running after the time-out (it was then stopped)
  DWORD exitCode = 0;
};

inline Program StartVexec(const std::vector<std::string>& args) {
  return StartProgram(VexecPath(), args);
}
// Runs the player to its end, stopping it after timeoutMs.
inline RunResult RunVexec(const std::vector<std::string>& args, DWORD timeoutMs = 30000) {
  const Program player = StartVexec(args);
  if (auto code = player.Wait(timeoutMs)) return {true, *code};
  return {};
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

// ---- windows -------------------------------------------------------------------------

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
