// The whole player process under Wine: a 65,535-step no-op script (execution speed 0)
// against an empty script, windowless, logging off and on. Run from the build folder:
//   wine64 bench/PlayerProcessWinBench.exe [path of vexec.exe]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"

namespace {

void SetFlag(const char* name, DWORD value) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Vorlix", 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return;
  ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  ::RegCloseKey(key);
}

void SetText(const char* name, const std::string& value) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Vorlix", 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return;
  ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
  ::RegCloseKey(key);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  const HANDLE file =
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

// Runs vexec on script and waits for it; false when it did not end with exit code 0.
bool RunPlayer(const std::string& vexec, const std::string& script) {
  std::string commandLine = "\"" + vexec + "\" \"" + script + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(vexec.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
    return false;
  ::WaitForSingleObject(info.hProcess, INFINITE);
  DWORD code = 1;
  ::GetExitCodeProcess(info.hProcess, &code);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return code == 0;
}

std::string TempFolder() {
  char path[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, path);
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string vexec = argc > 1 ? argv[1] : "src\\player\\vexec.exe";
  const std::string folder = TempFolder();
  std::vector<vx::TCommand> steps(65535, vx::TCommand{200, "", "", "", "", 1});
  steps[0] = {vx::ckExecutionSpeed, "0", "", "", "", 1};
  const std::string full = folder + "bench-full.vxz";
  const std::string empty = folder + "bench-empty.vxz";
  WriteBytes(full, vx::EncodeScript(steps, 0, -1));
  WriteBytes(empty, vx::EncodeScript({}, 0, -1));

  SetFlag("vpShow", 0);
  SetFlag("vpExtended", 0);
  SetText("vpLogPath", folder);
  bool ok = true;
  SetFlag("vpLog", 0);
  const double fullOff = vxbench::BestOf(3, [&] { ok &= RunPlayer(vexec, full); });
  const double emptyOff = vxbench::BestOf(3, [&] { ok &= RunPlayer(vexec, empty); });
  SetFlag("vpLog", 1);
  const double fullOn = vxbench::BestOf(3, [&] { ok &= RunPlayer(vexec, full); });
  const double emptyOn = vxbench::BestOf(3, [&] { ok &= RunPlayer(vexec, empty); });
  SetFlag("vpLog", 0);
  if (!ok) std::printf("a run of the player failed\n");

  std::printf(
      "whole process, 65,535 no-op steps / empty script, log off: %.0f ms / %.0f ms = %.2f\n",
      fullOff * 1e3, emptyOff * 1e3, fullOff / emptyOff);
  std::printf(
      "whole process, 65,535 no-op steps / empty script, log on:  %.0f ms / %.0f ms = %.2f\n",
      fullOn * 1e3, emptyOn * 1e3, fullOn / emptyOn);
  ::DeleteFileA(full.c_str());
  ::DeleteFileA(empty.c_str());
  ::DeleteFileA((full + ".htm").c_str());
  ::DeleteFileA((empty + ".htm").c_str());
  return ok ? 0 : 1;
}
