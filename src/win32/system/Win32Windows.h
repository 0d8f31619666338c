// Other programs' top-level windows, the shell's "show desktop" and the message boxes,
// through the calls the steps name.
#pragma once

#include "core/ports/MessageBoxPort.h"
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
  std::unique_ptr<ShellApplication> CreateShellApplication() override;
};

// Every message box of the steps and the key engine.
class Win32MessageBoxes : public MessageBoxPort {
 public:
  void MessageBoxA(const std::string& text, const std::string& caption,
                   std::uint32_t style) override;
};

// Implemented in Win32WindowsShell.cpp: "Shell.Application" through IDispatch.
std::unique_ptr<ShellApplication> CreateWin32ShellApplication();

}  // namespace vx::win32
