#include "win32/system/Win32System.h"

#include "win32/Handles.h"

namespace vx::win32 {

namespace {

class Win32Library : public LoadedLibrary {
 public:
  explicit Win32Library(UniqueModule module) : module_(std::move(module)) {}
  ProcAddress GetProcAddress(const std::string& name) override {
    return reinterpret_cast<ProcAddress>(::GetProcAddress(module_.Get(), name.c_str()));
  }

 private:
  UniqueModule module_;
};

}  // namespace

void Win32System::Sleep(std::uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

std::string Win32System::GetSystemDirectoryA() {
  char folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::string(folder, length);
}

std::unique_ptr<LoadedLibrary> Win32System::LoadLibraryA(const std::string& path) {
  UniqueModule module(::LoadLibraryA(path.c_str()));
  if (!module) return nullptr;
  return std::make_unique<Win32Library>(std::move(module));
}

void Win32System::CallWithFourZeroArguments(ProcAddress function) {
  // CallWindowProcA passes (null window, 0, 0, 0) in the system's standard calling
  // convention, whatever the function's own signature.
  ::CallWindowProcA(reinterpret_cast<WNDPROC>(function), nullptr, 0, 0, 0);
}

std::uint32_t Win32System::GetPlatformId() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!::GetVersionExA(&version)) return 0;
  return version.dwPlatformId;
}

void Win32System::EnableShutdownPrivilege() {
  HANDLE raw = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw))
    return;
  const UniqueHandle token(raw);
  LUID shutdown{};
  if (!::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown)) return;
  TOKEN_PRIVILEGES state{};
  state.PrivilegeCount = 1;
  state.Privileges[0].Luid = shutdown;
  state.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous{};
  DWORD returned = 0;
  ::AdjustTokenPrivileges(token.Get(), FALSE, &state, sizeof(previous), &previous, &returned);
}

bool Win32System::ExitWindowsEx(std::uint32_t flags) {
  return ::ExitWindowsEx(flags, 0) != FALSE;
}

void Win32System::SetSystemPowerState(bool suspend, bool force) {
  ::SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE);
}

void Win32System::LockWorkStation() {
  ::LockWorkStation();
}

}  // namespace vx::win32
