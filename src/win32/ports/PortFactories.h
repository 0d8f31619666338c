// The Win32 implementation of each port, made once for the player's whole run.
#pragma once

#include <memory>

#include "core/ports/ClipboardPort.h"
#include "core/ports/FtpPort.h"
#include "core/ports/InputPort.h"
#include "core/ports/ShellPort.h"
#include "core/ports/SmtpPort.h"
#include "core/ports/SystemPort.h"
#include "core/ports/WindowPort.h"

namespace vx {

std::unique_ptr<ClipboardPort> MakeClipboardPort();
std::unique_ptr<WindowPort> MakeWindowPort();
std::unique_ptr<SystemPort> MakeSystemPort();
std::unique_ptr<ShellPort> MakeShellPort();
std::unique_ptr<InputPort> MakeInputPort();
std::unique_ptr<SmtpPort> MakeSmtpPort();
std::unique_ptr<FtpPort> MakeFtpPort();

}  // namespace vx
