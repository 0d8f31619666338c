// Names the system gave in full (its wide calls, wide windows, the registry) that the ANSI
// code page every path of the program is kept in cannot hold exactly. Such a name is never
// used: the look-alike that would stand in its place ("Lodz.vxz" for "Łodz.vxz") may be
// another file's name, and "?" for the missing characters is a wildcard to the file search
// and the shell. It is shown, with "?" for each character the code page lacks, and refused.
#pragma once

#include <string>

namespace vx {

// What a path is wanted for, which decides the error its refusal raises.
enum class PathUse {
  Open,    // FileOpenError "Cannot open file "%s". <reason>"
  Create,  // FileCreateError "Cannot create file "%s". <reason>"
  Folder,  // FileOpenError "Cannot open folder "%s". <reason>"
};

// The refusal of a path the code page cannot hold; shown is the path with "?" for each
// character the code page lacks.
[[noreturn]] void RefusePath(const std::string& shown, PathUse use);

// A text the system keeps in full (a registry value) as the program reads it: in the ANSI
// code page with "?" for each character the code page lacks, and whether none was lacking.
// A text that is not held is never used as a name; original keeps it as its store holds it
// (the store's own bytes), so that writing it back puts back what was there.
struct StoredText {
  std::string text{};
  bool held = true;
  std::string original{};  // empty when held

  bool operator==(const StoredText&) const = default;
};

}  // namespace vx
