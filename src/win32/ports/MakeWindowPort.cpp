#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<WindowPort> MakeWindowPort() { return nullptr; }

}  // namespace vx
