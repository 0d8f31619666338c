// The player's thread, libraries loaded by name and the system's power state, through the
// calls the system steps name.
#pragma once

#include "core/ports/SystemPort.h"

namespace vx::win32 {

class Win32System : public SystemPort {
 public:
  void Sleep(std::uint32_t milliseconds) override;
  std::string GetSystemDirectoryA() override;
  std::unique_ptr<LoadedLibrary> LoadLibraryA(const std::string& path) override;
  void CallWithFourZeroArguments(ProcAddress function) override;
  std::uint32_t GetPlatformId() override;
  void EnableShutdownPrivilege() override;
  bool ExitWindowsEx(std::uint32_t flags) override;
  void SetSystemPowerState(bool suspend, bool force) override;
  void LockWorkStation() override;
};

}  // namespace vx::win32
