// The error a failed WinINet call raises: what failed, WinINet's code and text, and the
// server's last words.
#pragma once

#include <string>

namespace vx::win32 {

// Raises NetworkError for a WinINet call that failed with code (its GetLastError).
[[noreturn]] void RaiseFtpError(unsigned long code, const std::string& what);

}  // namespace vx::win32
