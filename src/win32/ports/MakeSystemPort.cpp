#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<SystemPort> MakeSystemPort() { return nullptr; }

}  // namespace vx
