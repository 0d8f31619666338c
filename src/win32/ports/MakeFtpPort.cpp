#include "win32/internet/FtpClient.h"
#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<FtpPort> MakeFtpPort() {
  return std::make_unique<win32::FtpClient>();
}

}  // namespace vx
