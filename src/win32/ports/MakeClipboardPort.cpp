#include "win32/Win32Clipboard.h"
#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<ClipboardPort> MakeClipboardPort() {
  return std::make_unique<win32::Win32Clipboard>();
}

}  // namespace vx
