// The path of the running program's own executable, as both programs find what lies beside
// it (the player, the run-log template, the temporary script) and name it in error reports.
#pragma once

#include <string>

#include "win32/system/AnsiPath.h"

namespace vx::win32 {

// Whole however long it is: read through the wide call, which a folder deeper than MAX_PATH
// does not cut short.
std::wstring ProgramPathWide();

// For naming the program (an error report never fails over it): in the ANSI code page, with
// "?" for each character the code page lacks. Never for reaching a file.
std::string ProgramPath();

// The program's folder with its trailing "\", in the ANSI code page, for reaching the file
// name there. A folder the code page cannot hold is refused as reaching name would be
// (see AnsiPath), naming that file.
std::string ProgramFolderFor(const std::string& name, PathUse use);

}  // namespace vx::win32
