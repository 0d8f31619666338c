#include "win32/input/Win32Input.h"
#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<InputPort> MakeInputPort() {
  return std::make_unique<win32::Win32Input>();
}

}  // namespace vx
