// Starts a program, or opens a document or folder, through the shell, and can wait for the
// started process while the calling program's windows stay alive.
#pragma once

#include <cstdint>
#include <string>

namespace vx::win32 {

// ShellExecuteExA with the verb, file, parameters and directory (an empty text goes as an
// empty string, never as null), no owner window and the show command. Returns -1 when the
// shell fails; 0 without wait, for a folder, or when the shell handed the file to a program
// that was already running (no new process to wait for); otherwise the started process's
// exit code once it has ended. Pending window messages run through the application's own
// processing every 200 ms while it waits.
std::int32_t RunFile(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& directory,
                     std::uint16_t show, bool wait);

}  // namespace vx::win32
