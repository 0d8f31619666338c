// The narrow interfaces through which the interpreter reaches Windows. Each family of steps
// declares its own port in core/ports/; the player wires the Win32 implementations in, the
// tests wire recording fakes. A port a family needs but that was not wired is a programming
// error, never a user's.
#pragma once

namespace vx {

class ClipboardPort;
class WindowPort;
class SystemPort;
class ShellPort;
class InputPort;
class SmtpPort;
class FtpPort;

struct Ports {
  ClipboardPort* clipboard = nullptr;
  WindowPort* windows = nullptr;
  SystemPort* system = nullptr;
  ShellPort* shell = nullptr;
  InputPort* input = nullptr;
  SmtpPort* smtp = nullptr;
  FtpPort* ftp = nullptr;
};

}  // namespace vx
