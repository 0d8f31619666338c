// The editor's Edit commands on 65,535 steps against the same commands on 100, through the
// real editor and its list box (linear means a ratio near 655). Each command is sent to the
// editor's window and timed until its handler returned (the list box refilled; the paint
// that follows is not counted). Run from the build folder under Wine:
//   wine64 bench/StepListWinBench.exe [path of vorlix.exe]
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"
#include "core/editor/list/StepBlock.h"
#include "editor/main/FrmMain.h"

namespace {

using vx::editor::MainCommand;

void WriteBytes(const std::string& path, const std::string& bytes) {
  const HANDLE file =
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

bool PutBlock(const std::string& bytes) {
  const UINT format = ::RegisterClipboardFormatA(vx::editor::StepClipboardFormatName);
  // Opened for a window of our own: without one, SetClipboardData fails.
  const HWND owner = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       ::GetModuleHandleA(nullptr), nullptr);
  if (!::OpenClipboard(owner)) return false;
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(::GlobalLock(memory), bytes.data(), bytes.size());
  ::GlobalUnlock(memory);
  const bool put = ::SetClipboardData(format, memory) != nullptr;
  ::CloseClipboard();
  ::DestroyWindow(owner);
  return put;
}

struct Editor {
  PROCESS_INFORMATION info{};
  HWND window = nullptr;
  HWND list = nullptr;
};

BOOL CALLBACK FindMain(HWND window, LPARAM data) {
  auto* editor = reinterpret_cast<Editor*>(data);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (process != editor->info.dwProcessId || std::strcmp(name, "Tfrmmain") != 0) return TRUE;
  editor->window = window;
  return FALSE;
}

BOOL CALLBACK FindList(HWND child, LPARAM data) {
  char name[64] = {};
  ::GetClassNameA(child, name, sizeof name);
  if (::lstrcmpiA(name, "LISTBOX") != 0) return TRUE;
  reinterpret_cast<Editor*>(data)->list = child;
  return FALSE;
}

bool StartEditor(const std::string& vorlix, const std::string& script, Editor& editor) {
  std::string commandLine = "\"" + vorlix + "\" \"" + script + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!::CreateProcessA(vorlix.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &editor.info))
    return false;
  for (int i = 0; i < 1200 && !editor.window; ++i) {
    ::Sleep(50);
    ::EnumWindows(FindMain, reinterpret_cast<LPARAM>(&editor));
  }
  if (!editor.window) return false;
  ::EnumChildWindows(editor.window, FindList, reinterpret_cast<LPARAM>(&editor));
  // The document opens once the window shows: wait until the editor takes messages.
  ::WaitForInputIdle(editor.info.hProcess, 20000);
  DWORD_PTR ignored = 0;
  return editor.list != nullptr &&
         ::SendMessageTimeoutA(editor.window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored) != 0;
}

void StopEditor(Editor& editor) {
  ::TerminateProcess(editor.info.hProcess, 0);
  ::WaitForSingleObject(editor.info.hProcess, 5000);
  ::CloseHandle(editor.info.hThread);
  ::CloseHandle(editor.info.hProcess);
}

void Send(const Editor& editor, MainCommand command) {
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(editor.window, WM_COMMAND, MAKEWPARAM(command, 0), 0, SMTO_NORMAL, 120000,
                        &ignored);
}

int Count(const Editor& editor) {
  return static_cast<int>(::SendMessageA(editor.list, LB_GETCOUNT, 0, 0));
}

// Every step selected but the last (Ctrl+click on it), so that Move Down moves them all.
void SelectAllButLast(const Editor& editor) {
  Send(editor, vx::editor::acSelectAll);
  const int last = Count(editor) - 1;
  ::SendMessageA(editor.list, LB_SETTOPINDEX, static_cast<WPARAM>(last), 0);
  const int top = static_cast<int>(::SendMessageA(editor.list, LB_GETTOPINDEX, 0, 0));
  const int height = static_cast<int>(::SendMessageA(editor.list, LB_GETITEMHEIGHT, 0, 0));
  const LPARAM at = MAKELPARAM(20, (last - top) * height + height / 2);
  ::SendMessageA(editor.list, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, at);
  ::SendMessageA(editor.list, WM_LBUTTONUP, MK_CONTROL, at);
}

struct Figures {
  double paste = 0, selectAllMoveDown = 0, moveDownAllButLast = 0, deleteAll = 0;
  bool ok = true;
};

Figures Measure(const std::string& vorlix, const std::string& script, int steps) {
  Figures figures;
  const std::vector<vx::TCommand> block(static_cast<std::size_t>(steps),
                                        vx::TCommand{vx::ckWait, "10", "", "", "", 1});
  figures.ok = PutBlock(vx::editor::EncodeStepBlock(block));
  if (!figures.ok) std::printf("the clipboard did not take %d steps\n", steps);
  Editor editor;
  if (!figures.ok || !StartEditor(vorlix, script, editor)) {
    std::printf("the editor did not start: %s\n", vorlix.c_str());
    if (editor.info.hProcess) StopEditor(editor);
    figures.ok = false;
    return figures;
  }
  figures.paste = vxbench::BestOf(3, [&] {
    Send(editor, vx::editor::acSelectAll);
    Send(editor, vx::editor::acDeleteAction);
    Send(editor, vx::editor::acPasteAction);
  });
  figures.ok &= Count(editor) == steps;
  figures.selectAllMoveDown = vxbench::BestOf(3, [&] {
    Send(editor, vx::editor::acSelectAll);
    Send(editor, vx::editor::acMoveDown);
  });
  SelectAllButLast(editor);
  figures.moveDownAllButLast = vxbench::BestOf(1, [&] { Send(editor, vx::editor::acMoveDown); });
  Send(editor, vx::editor::acSelectAll);
  figures.deleteAll = vxbench::BestOf(1, [&] { Send(editor, vx::editor::acDeleteAction); });
  figures.ok &= Count(editor) == 0;
  StopEditor(editor);
  return figures;
}

void Print(const char* what, double big, double small) {
  std::printf("%-36s 65,535: %8.1f ms   100: %6.2f ms   ratio %6.0f\n", what, big * 1e3,
              small * 1e3, small > 0 ? big / small : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string vorlix = argc > 1 ? argv[1] : "src\\editor\\vorlix.exe";
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  const std::string script = std::string(folder) + "bench-steplist.vxz";
  WriteBytes(script, vx::EncodeScript({}, 0, -1));

  // The paste timing includes emptying the list first (select all, delete).
  const Figures big = Measure(vorlix, script, 65535);
  const Figures small = Measure(vorlix, script, 100);
  if (!big.ok || !small.ok) std::printf("a run of the editor did not go as planned\n");
  Print("paste (after select all, delete)", big.paste, small.paste);
  Print("select all, then move down", big.selectAllMoveDown, small.selectAllMoveDown);
  Print("move down, all but the last selected", big.moveDownAllButLast, small.moveDownAllButLast);
  Print("delete, all selected", big.deleteAll, small.deleteAll);
  ::DeleteFileA(script.c_str());
  return big.ok && small.ok ? 0 : 1;
}
