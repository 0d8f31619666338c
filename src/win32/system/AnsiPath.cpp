#include "win32/system/AnsiPath.h"

#include <windows.h>

#include "core/Errors.h"
#include "win32/system/SystemText.h"

namespace vx::win32 {

namespace {

constexpr char Reason[] =
    "Its name has characters outside the system's ANSI code page (shown as \"?\"), which this "
    "program cannot use.";

}  // namespace

std::string AnsiPath(std::wstring_view path, PathUse use) {
  if (std::optional<std::string> exact = ExactNarrowText(path, CP_ACP)) return *exact;
  RefusePath(NarrowText(path, CP_ACP), use);
}

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

}  // namespace vx::win32
