// The player's own thread, libraries loaded by name, and the system's power state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vx {

// The address of an exported function; 0 when there is none.
using ProcAddress = std::uintptr_t;

// A library loaded with LoadLibraryA; FreeLibrary when destroyed.
class LoadedLibrary {
 public:
  virtual ~LoadedLibrary() = default;
  // GetProcAddress by name (case-sensitive); 0 when the library has no such function.
  virtual ProcAddress GetProcAddress(const std::string& name) = 0;
};

class SystemPort {
 public:
  virtual ~SystemPort() = default;

  // Holds the thread without handling messages.
  virtual void Sleep(std::uint32_t milliseconds) = 0;
  // GetSystemDirectoryA into a buffer of 260 characters.
  virtual std::string GetSystemDirectoryA() = 0;
  // LoadLibraryA (the system's search when path has no folder); null when it fails.
  virtual std::unique_ptr<LoadedLibrary> LoadLibraryA(const std::string& path) = 0;
  // CallWindowProcA with a null window, message 0, wParam 0 and lParam 0: the function
  // receives four zero arguments in the standard calling convention. The result is dropped.
  virtual void CallWithFourZeroArguments(ProcAddress function) = 0;

  // dwPlatformId of the system's version information (2 for the NT family).
  virtual std::uint32_t GetPlatformId() = 0;
  // OpenProcessToken (TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), LookupPrivilegeValueA of
  // "SeShutdownPrivilege" and AdjustTokenPrivileges enabling it; each only when the one
  // before succeeded. Nothing is reported.
  virtual void EnableShutdownPrivilege() = 0;
  // ExitWindowsEx with flags and reason 0; whether it succeeded.
  virtual bool ExitWindowsEx(std::uint32_t flags) = 0;
  virtual void SetSystemPowerState(bool suspend, bool force) = 0;
  virtual void LockWorkStation() = 0;
};

// The values of the system's constants that the system steps pass through the port.
inline constexpr std::uint32_t EwxLogoff = 0;
inline constexpr std::uint32_t EwxReboot = 2;
inline constexpr std::uint32_t EwxPoweroff = 8;
inline constexpr std::uint32_t PlatformWin32Nt = 2;

}  // namespace vx
