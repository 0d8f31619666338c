#include "win32/internet/SmtpClient.h"
#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<SmtpPort> MakeSmtpPort() {
  return std::make_unique<win32::SmtpClient>();
}

}  // namespace vx
