#include "win32/system/Win32Windows.h"

#include "win32/Handles.h"

namespace vx::win32 {

namespace {

HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
WindowHandle FromHwnd(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}

}  // namespace

WindowHandle Win32Windows::FindWindowByClass(const std::string& className) {
  return FromHwnd(::FindWindowA(className.c_str(), nullptr));
}

WindowHandle Win32Windows::GetDesktopWindow() {
  return FromHwnd(::GetDesktopWindow());
}

WindowHandle Win32Windows::GetWindow(WindowHandle window, std::uint32_t command) {
  return FromHwnd(::GetWindow(ToHwnd(window), command));
}

std::uint32_t Win32Windows::GetExtendedStyle(WindowHandle window) {
  return static_cast<std::uint32_t>(::GetWindowLongA(ToHwnd(window), GWL_EXSTYLE));
}

void Win32Windows::SendClose(WindowHandle window) {
  ::SendMessageA(ToHwnd(window), WM_CLOSE, 0, 0);
}

void Win32Windows::ShowWindow(WindowHandle window, std::int32_t command) {
  ::ShowWindow(ToHwnd(window), command);
}

void Win32Windows::SetForegroundWindow(WindowHandle window) {
  ::SetForegroundWindow(ToHwnd(window));
}

void Win32Windows::KillProcessOfWindow(WindowHandle window) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(ToHwnd(window), &processId);
  const UniqueHandle process(
      ::OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, processId));
  if (process) ::TerminateProcess(process.Get(), 0);
}

void Win32MessageBoxes::MessageBoxA(const std::string& text, const std::string& caption,
                                    std::uint32_t style) {
  ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

std::unique_ptr<ShellApplication> Win32Windows::CreateShellApplication() {
  return CreateWin32ShellApplication();
}

}  // namespace vx::win32
