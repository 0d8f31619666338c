#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<ClipboardPort> MakeClipboardPort() { return nullptr; }

}  // namespace vx
