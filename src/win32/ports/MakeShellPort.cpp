#include "win32/Win32Shell.h"
#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<ShellPort> MakeShellPort() {
  return std::make_unique<win32::Win32Shell>();
}

}  // namespace vx
