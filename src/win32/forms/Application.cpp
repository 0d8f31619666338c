#include "win32/forms/Application.h"

#include <commctrl.h>
#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "core/Errors.h"
#include "core/FileIO.h"
#include "win32/forms/Form.h"
#include "win32/system/ProgramPath.h"

namespace vx::win32 {

namespace {

std::string Demangled(const char* name) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> text(
      abi::__cxa_demangle(name, nullptr, nullptr, &status), &std::free);
  return status == 0 && text ? std::string(text.get()) : std::string(name);
}

}  // namespace

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (PreTranslate(msg)) return true;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
  return true;
}

bool TApplication::PreTranslate(MSG& msg) {
  if (!msg.hwnd) return false;
  const HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  TForm* form = TForm::FromHandle(root);
  if (!form) return false;
  // Accelerators first: a shortcut such as Ctrl+A must reach the form's command even when
  // the focus is in one of its controls that would take the key for itself.
  if (form->Accelerators() && ::TranslateAcceleratorW(root, form->Accelerators(), &msg))
    return true;
  return ::IsDialogMessageW(root, &msg) != FALSE;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::Run() {
  while (!terminated_) {
    MSG msg;
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {  // -1: no message was read, and none will be
      terminated_ = true;
      break;
    }
    if (PreTranslate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

void TApplication::Terminate() {
  if (!terminated_) ::PostQuitMessage(0);
}

// The window the report belongs over: a modal form shown over the main window (an Apply
// refused in a step dialog) rather than the main window itself. A box owned by a window the
// modal form has disabled enables it again when it closes, under Wine, and the main window
// would then take clicks and keys while the form still relies on it standing still.
HWND TApplication::ReportOwner() const {
  if (!mainWindow_) return nullptr;
  const HWND popup = ::GetLastActivePopup(mainWindow_);
  if (popup && popup != mainWindow_ && ::IsWindowVisible(popup) && ::IsWindowEnabled(popup))
    return popup;
  return mainWindow_;
}

void TApplication::HandleException() noexcept {
  const HWND owner = ReportOwner();
  try {
    const std::string message = ErrorMessage(std::current_exception());
    ::MessageBoxA(owner, message.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
  } catch (...) {
    ::MessageBoxA(owner, "Out of memory", "Error", MB_OK | MB_ICONSTOP);
  }
}

std::string ErrorKind(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const vx::Error& e) {
    return e.Kind();
  } catch (const std::exception& e) {
    return Demangled(typeid(e).name());
  } catch (...) {
    return "unknown exception";
  }
}

std::string ErrorMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return {};
  }
}

std::string LastChanceText(const std::exception_ptr& error, const std::string& programFile) {
  return "Exception " + ErrorKind(error) + " in module " + programFile + ".\n" +
         ErrorMessage(error);
}

void ShowLastChanceError(const std::exception_ptr& error) noexcept {
  try {
    const std::string text = LastChanceText(error, ProgramFileName());
    ::MessageBoxA(nullptr, text.c_str(), "Application Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  } catch (...) {
    ::MessageBoxA(nullptr, "Out of memory", "Application Error", MB_OK | MB_ICONSTOP);
  }
}

std::string ProgramFileName() {
  return FileNameOf(ProgramPath());
}

}  // namespace vx::win32
