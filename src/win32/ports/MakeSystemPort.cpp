#include "win32/ports/PortFactories.h"
#include "win32/system/Win32System.h"

namespace vx {

std::unique_ptr<SystemPort> MakeSystemPort() {
  return std::make_unique<win32::Win32System>();
}

}  // namespace vx
