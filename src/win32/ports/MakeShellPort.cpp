#include "win32/ports/PortFactories.h"
#include "win32/system/Win32Shell.h"

namespace vx {

std::unique_ptr<ShellPort> MakeShellPort() {
  return std::make_unique<win32::Win32Shell>();
}

}  // namespace vx
