// The real ports, made once for a whole run: the one owner of the Win32 implementations, and
// the view of them the interpreter takes.
#pragma once

#include "core/Ports.h"
#include "win32/input/Win32Input.h"
#include "win32/internet/FtpClient.h"
#include "win32/internet/SmtpClient.h"
#include "win32/system/Win32Clipboard.h"
#include "win32/system/Win32Shell.h"
#include "win32/system/Win32System.h"
#include "win32/system/Win32Windows.h"

namespace vx::win32 {

class PlatformPorts {
 public:
  PlatformPorts() = default;
  PlatformPorts(const PlatformPorts&) = delete;
  PlatformPorts& operator=(const PlatformPorts&) = delete;

  // Valid for as long as this owner lives.
  Ports View() {
    return {.clipboard = clipboard_,
            .windows = windows_,
            .system = system_,
            .shell = shell_,
            .input = input_,
            .smtp = smtp_,
            .ftp = ftp_,
            .boxes = boxes_};
  }

 private:
  Win32Clipboard clipboard_;
  Win32Windows windows_;
  Win32System system_;
  Win32Shell shell_;
  Win32Input input_;
  SmtpClient smtp_;
  FtpClient ftp_;
  Win32MessageBoxes boxes_;
};

}  // namespace vx::win32
