// Paths that come from the wide calls (the file and folder choosers, the command line, the
// program's own path), brought into the ANSI code page every path of the program is kept in.
#pragma once

#include <string>
#include <string_view>

namespace vx::win32 {

// What a path is wanted for, which decides the error its refusal raises.
enum class PathUse {
  Open,    // FileOpenError "Cannot open file "%s". <reason>"
  Create,  // FileCreateError "Cannot create file "%s". <reason>"
  Folder,  // FileOpenError "Cannot open folder "%s". <reason>"
};

// path in the ANSI code page. A name the code page cannot hold exactly is refused before
// anything is read or written: the look-alike that would stand in its place ("Lodz.vxz" for
// "Łodz.vxz") may be another file. The error names the path with "?" for each character
// the code page lacks, a character no file name holds.
std::string AnsiPath(std::wstring_view path, PathUse use);

// The refusal of a path the code page cannot hold; shown is the path as NarrowText shows it.
[[noreturn]] void RefusePath(const std::string& shown, PathUse use);

}  // namespace vx::win32
