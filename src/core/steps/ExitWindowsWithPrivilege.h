#pragma once

#include <cstdint>

#include "core/StepLog.h"
#include "core/ports/SystemPort.h"

namespace vx {

// Enables the shutdown privilege where the platform has privileges, then asks the system to
// shut down, restart or log off as flags say (no force flag). Whether ExitWindowsEx
// succeeded; the steps ignore it, as the system may still refuse later.
bool ExitWindowsWithPrivilege(SystemPort& system, StepLog& log, std::uint32_t flags);

}  // namespace vx
