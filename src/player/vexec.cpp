// vexec: runs the script file named by its first parameter, with the progress window when
// "vpShow" is on and without any window otherwise.
#include <windows.h>

#include "player/veinfo.h"
#include "player/vemain.h"
#include "win32/forms/Application.h"
#include "win32/system/ComApartment.h"
#include "win32/system/Registry.h"

namespace {

using vx::player::frminfo;
using vx::player::Program;
using vx::win32::Application;

// The program's exit code: 1 after a run that ended with an error.
int StartUp() {
  const bool show = vx::win32::RegistryReader(HKEY_CURRENT_USER, vx::win32::SettingsKey)
                        .ReadBoolOr("vpShow", false);
  if (show) {
    Application().Initialize();
    Application().SetTitle("Vorlix Parser");
    frminfo = std::make_unique<vx::player::Tfrminfo>();
    frminfo->Create();
    Application().SetMainWindow(frminfo->Handle());
    frminfo->Show();
    Application().Run();
    return frminfo->RunFailed() ? 1 : 0;
  }
  if (Program().HasScript())
    vx::player::RunScript(Program().ScriptPath());
  else
    vx::player::ShowNoParameters();
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // COM for the whole program, in both modes: the Show Desktop step needs it.
  vx::win32::ComApartment com;
  int exitCode = 0;
  try {
    vx::player::CreateProgram();
    exitCode = StartUp();
  } catch (...) {
    vx::win32::ShowLastChanceError(std::current_exception());
    exitCode = 1;
  }
  // Whatever happened, the program's objects are freed and the run log is written.
  try {
    Application().SetMainWindow(nullptr);
    frminfo.reset();
    vx::player::EndProgram();
  } catch (...) {
    vx::win32::ShowLastChanceError(std::current_exception());
    exitCode = 1;
  }
  vx::player::DestroyProgram();
  return exitCode;
}
