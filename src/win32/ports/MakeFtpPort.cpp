#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<FtpPort> MakeFtpPort() { return nullptr; }

}  // namespace vx
