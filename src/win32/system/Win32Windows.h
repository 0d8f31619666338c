// Other programs' top-level windows, the modal message dialog and the shell's "show
// desktop", through the calls the window steps name.
#pragma once

#include "core/ports/WindowPort.h"

namespace vx::win32 {

class Win32Windows : public WindowPort {
 public:
  WindowHandle FindWindowByClass(const std::string& className) override;
  WindowHandle GetDesktopWindow() override;
  WindowHandle GetWindow(WindowHandle window, std::uint32_t command) override;
  std::uint32_t GetExtendedStyle(WindowHandle window) override;
  void SendClose(WindowHandle window) override;
  void ShowWindow(WindowHandle window, std::int32_t command) override;
  void SetForegroundWindow(WindowHandle window) override;
  void KillProcessOfWindow(WindowHandle window) override;
  void ShowMessageDialog(const std::string& text, MessageType type) override;
  std::unique_ptr<ShellApplication> CreateShellApplication() override;
};

// Implemented in Win32WindowsShell.cpp: "Shell.Application" through IDispatch.
std::unique_ptr<ShellApplication> CreateWin32ShellApplication();

}  // namespace vx::win32
