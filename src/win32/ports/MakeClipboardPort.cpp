#include "win32/ports/PortFactories.h"
#include "win32/system/Win32Clipboard.h"

namespace vx {

std::unique_ptr<ClipboardPort> MakeClipboardPort() {
  return std::make_unique<win32::Win32Clipboard>();
}

}  // namespace vx
