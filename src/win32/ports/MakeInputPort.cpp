#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<InputPort> MakeInputPort() { return nullptr; }

}  // namespace vx
