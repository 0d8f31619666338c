// The narrow interfaces through which the interpreter reaches Windows. Each family of steps
// declares its own port in core/ports/; the player hands in the Win32 implementations, the
// tests recording fakes. Every port is always there: a run cannot meet a missing one.
#pragma once

namespace vx {

class ClipboardPort;
class WindowPort;
class SystemPort;
class ShellPort;
class InputPort;
class SmtpPort;
class FtpPort;
class MessageBoxPort;

struct Ports {
  ClipboardPort& clipboard;
  WindowPort& windows;
  SystemPort& system;
  ShellPort& shell;
  InputPort& input;
  SmtpPort& smtp;
  FtpPort& ftp;
  MessageBoxPort& boxes;
};

}  // namespace vx
