#include "win32/Win32System.h"
#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<SystemPort> MakeSystemPort() {
  return std::make_unique<win32::Win32System>();
}

}  // namespace vx
