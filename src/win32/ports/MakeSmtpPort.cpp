#include "win32/ports/PortFactories.h"

namespace vx {

std::unique_ptr<SmtpPort> MakeSmtpPort() { return nullptr; }

}  // namespace vx
