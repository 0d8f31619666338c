// Top-level windows of other programs and the shell's "show desktop".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vx {

// A window handle's value; 0 is no window.
using WindowHandle = std::uintptr_t;

// The "Shell.Application" automation object, released when destroyed.
class ShellApplication {
 public:
  virtual ~ShellApplication() = default;
  // Late-bound call of its method "MinimizeAll"; ComError when the call fails.
  virtual void MinimizeAll() = 0;
};

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // FindWindowA with the class name and no title; 0 when none matches.
  virtual WindowHandle FindWindowByClass(const std::string& className) = 0;
  virtual WindowHandle GetDesktopWindow() = 0;
  // GetWindow with GW_CHILD (5) or GW_HWNDNEXT (2).
  virtual WindowHandle GetWindow(WindowHandle window, std::uint32_t command) = 0;
  // GetWindowLongA with GWL_EXSTYLE.
  virtual std::uint32_t GetExtendedStyle(WindowHandle window) = 0;
  // SendMessageA with WM_CLOSE, 0, 0: returns when the window has handled it.
  virtual void SendClose(WindowHandle window) = 0;
  // ShowWindow with SW_SHOWMAXIMIZED (3) or SW_MINIMIZE (6).
  virtual void ShowWindow(WindowHandle window, std::int32_t command) = 0;
  virtual void SetForegroundWindow(WindowHandle window) = 0;
  // The process of the window ends: GetWindowThreadProcessId, OpenProcess with
  // PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, TerminateProcess with exit code 0,
  // CloseHandle. Nothing is examined or reported.
  virtual void KillProcessOfWindow(WindowHandle window) = 0;

  // Creates "Shell.Application" through its IDispatch; ComError when it cannot.
  virtual std::unique_ptr<ShellApplication> CreateShellApplication() = 0;
};

// The values of the system's constants that the window steps pass through the port.
inline constexpr std::uint32_t GwHwndNext = 2;
inline constexpr std::uint32_t GwChild = 5;
inline constexpr std::int32_t SwShowMaximized = 3;
inline constexpr std::int32_t SwMinimize = 6;
inline constexpr std::uint32_t WsExAppWindow = 0x40000;

}  // namespace vx
