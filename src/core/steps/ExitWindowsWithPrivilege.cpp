#include "core/steps/ExitWindowsWithPrivilege.h"

namespace vx {

bool ExitWindowsWithPrivilege(SystemPort& system, StepLog& log, std::uint32_t flags) {
  if (system.GetPlatformId() == PlatformWin32Nt) {
    log.Add("NT system detected, Adjusting privileges...");
    system.EnableShutdownPrivilege();
  }
  // Asked even when the privilege could not be enabled: the system decides.
  return system.ExitWindowsEx(flags);
}

}  // namespace vx
