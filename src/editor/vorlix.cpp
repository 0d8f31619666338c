// vorlix, the editor: composes scripts of steps, saves them as .vxz files and runs them in
// the player. An optional first argument names the script to open.
#include <windows.h>
// windows.h must come before shellapi.h.
#include <shellapi.h>

#include <optional>
#include <string>

#include "editor/dialogs/EditorDialogs.h"
#include "editor/main/FrmMain.h"
#include "win32/forms/Application.h"
#include "win32/system/ComApartment.h"

namespace {

using vx::editor::frmmain;
using vx::win32::Application;

// The first command-line argument as the system holds it, made absolute so that a later
// Save writes where the file was read whatever the current folder is then; nothing without
// an argument.
std::optional<std::wstring> StartFile() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!arguments) return std::nullopt;
  std::optional<std::wstring> file;
  if (count > 1) file = arguments[1];
  ::LocalFree(arguments);
  if (!file || file->empty()) return file;
  const DWORD needed = ::GetFullPathNameW(file->c_str(), 0, nullptr, nullptr);
  if (needed == 0) return file;
  std::wstring full(needed, L'\0');
  const DWORD length = ::GetFullPathNameW(file->c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return file;
  full.resize(length);
  return full;
}

void StartUp() {
  Application().Initialize();
  Application().SetTitle("Vorlix");
  frmmain = std::make_unique<vx::editor::Tfrmmain>();
  if (std::optional<std::wstring> file = StartFile()) frmmain->SetStartFile(std::move(*file));
  frmmain->Create();
  Application().SetMainWindow(frmmain->Handle());

  // ==== The step dialogs are created here, once each, in this order: ====
  // frmselectobject, frmfileop, frminternet, frmwindow, frmabout, frmsystem, frmuserinput,
  // frmcomment, frmrecord, frmclipboard, frmoptions.
  vx::editor::CreateEditorDialogs(frmmain->Handle());
  // =======================================================================

  frmmain->Show();
  Application().Run();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // COM for the shell's file dialogs and links.
  vx::win32::ComApartment com;
  int exitCode = 0;
  try {
    StartUp();
  } catch (...) {
    vx::win32::ShowLastChanceError(std::current_exception());
    exitCode = 1;
  }
  try {
    Application().SetMainWindow(nullptr);
    // The dialogs' windows belong to the main window: they go first.
    vx::editor::FreeEditorDialogs();
    frmmain.reset();
  } catch (...) {
    vx::win32::ShowLastChanceError(std::current_exception());
    exitCode = 1;
  }
  return exitCode;
}
