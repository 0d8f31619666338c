// Paths that come from the wide calls (the file and folder choosers, the command line, the
// program's own path, the registry), brought into the ANSI code page every path of the
// program is kept in.
#pragma once

#include <string>
#include <string_view>

#include "core/UnheldNames.h"

namespace vx::win32 {

using vx::PathUse;
using vx::RefusePath;

// path in the ANSI code page. A name the code page cannot hold exactly is refused before
// anything is read or written (see core/UnheldNames.h).
std::string AnsiPath(std::wstring_view path, PathUse use);

}  // namespace vx::win32
