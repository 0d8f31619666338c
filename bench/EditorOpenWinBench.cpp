// The editor opening a 65,535-step script from its command line, against opening an empty
// one: from the start of the process until its list shows every step. The aim is under
// twice the empty start plus the core's own decoding (no per-item repaint). Run from the
// build folder:
//   wine64 bench/EditorOpenWinBench.exe [path of vorlix.exe]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"

namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
  const HANDLE file =
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
  auto* s = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  char name[32] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (owner != s->process || std::string(name) != "Tfrmmain" || !::IsWindowVisible(window))
    return TRUE;
  s->found = window;
  return FALSE;
}

HWND MainWindowOf(DWORD process) {
  Search search{process, nullptr};
  ::EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ListOf(HWND window) {
  for (HWND panel = ::GetWindow(window, GW_CHILD); panel; panel = ::GetWindow(panel, GW_HWNDNEXT))
    if (const HWND list = ::FindWindowExA(panel, nullptr, "ListBox", nullptr)) return list;
  return nullptr;
}

// Starts the editor on script and waits until its list holds count items; false when it
// did not come to that.
bool OpenInEditor(const std::string& vorlix, const std::string& script, LRESULT count) {
  std::string commandLine = "\"" + vorlix + "\" \"" + script + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(vorlix.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
    return false;
  bool shown = false;
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (!shown && std::chrono::steady_clock::now() < until) {
    if (const HWND window = MainWindowOf(info.dwProcessId)) {
      if (const HWND list = ListOf(window)) {
        DWORD_PTR items = 0;
        if (::SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 60000, &items))
          shown = static_cast<LRESULT>(items) == count;
      }
    }
    if (!shown) ::Sleep(1);
  }
  ::TerminateProcess(info.hProcess, 0);
  ::WaitForSingleObject(info.hProcess, 10000);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return shown;
}

std::string TempFolder() {
  char path[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, path);
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string vorlix = argc > 1 ? argv[1] : "src\\editor\\vorlix.exe";
  const std::string folder = TempFolder();
  const std::vector<vx::TCommand> steps(65535, vx::TCommand{vx::ckWait, "1", "", "", "", 1});
  const std::string bytes = vx::EncodeScript(steps, 0, -1);
  const std::string full = folder + "bench-editor-full.vxz";
  const std::string empty = folder + "bench-editor-empty.vxz";
  WriteBytes(full, bytes);
  WriteBytes(empty, vx::EncodeScript({}, 0, -1));

  bool ok = true;
  const double emptyOpen = vxbench::BestOf(3, [&] { ok &= OpenInEditor(vorlix, empty, 0); });
  const double fullOpen = vxbench::BestOf(3, [&] { ok &= OpenInEditor(vorlix, full, 65535); });
  const double decode = vxbench::BestOf(5, [&] {
    std::vector<vx::TCommand> read;
    vx::ReadScriptSteps(bytes, read);
  });
  if (!ok) {
    std::printf("the editor did not show the scripts\n");
    return 1;
  }
  std::printf("empty script:        %.3f s\n", emptyOpen);
  std::printf("65,535-step script:  %.3f s\n", fullOpen);
  std::printf("core decode alone:   %.3f s\n", decode);
  std::printf("ratio full/empty:    %.2f\n", fullOpen / emptyOpen);
  std::printf("ratio full/(2 x empty + decode): %.2f (aim: under 1)\n",
              fullOpen / (2 * emptyOpen + decode));
  return 0;
}
