#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<ShellPort> MakeShellPort() { return nullptr; }

}  // namespace vx
