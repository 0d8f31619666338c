// The path of the running program's own executable, as both programs find what lies beside
// it (the player, the run-log template, the temporary script) and name it in error reports.
#pragma once

#include <string>

namespace vx::win32 {

// Whole however long it is: read through the wide call, which a folder deeper than MAX_PATH
// does not cut short, and handed back in the ANSI code page like every path of the program.
std::string ProgramPath();

}  // namespace vx::win32
