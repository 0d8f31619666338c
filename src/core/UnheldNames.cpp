#include "core/UnheldNames.h"

#include "core/Errors.h"

namespace vx {

namespace {

constexpr char Reason[] =
    "Its name has characters outside the system's ANSI code page (shown as \"?\"), which this "
    "program cannot use.";

}  // namespace

void RefusePath(const std::string& shown, PathUse use) {
  switch (use) {
    case PathUse::Create:
      throw FileCreateError("Cannot create file \"" + shown + "\". " + Reason);
    case PathUse::Folder:
      throw FileOpenError("Cannot open folder \"" + shown + "\". " + Reason);
    case PathUse::Open:
      break;
  }
  throw FileOpenError("Cannot open file \"" + shown + "\". " + Reason);
}

}  // namespace vx
