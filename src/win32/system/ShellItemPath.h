// The file-system path of an item of the shell's namespace, such as the folder chooser
// gives, whole however long it is.
#pragma once

#include <windows.h>
// windows.h must come before shtypes.h.
#include <shtypes.h>

#include <optional>
#include <string>

namespace vx::win32 {

// nullopt when the item has no path of its own (the Desktop's printers, say). Raises
// FileOpenError when the system gives only the start of a long path and no whole one can be
// made.
std::optional<std::wstring> ShellItemPath(PCIDLIST_ABSOLUTE item);

}  // namespace vx::win32
