#include "win32/ports/PortFactories.h"
#include "win32/system/Win32Windows.h"

namespace vx {

std::unique_ptr<WindowPort> MakeWindowPort() {
  return std::make_unique<win32::Win32Windows>();
}

}  // namespace vx
