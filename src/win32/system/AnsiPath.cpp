#include "win32/system/AnsiPath.h"

#include <windows.h>

#include "win32/system/SystemText.h"

namespace vx::win32 {

std::string AnsiPath(std::wstring_view path, PathUse use) {
  if (std::optional<std::string> exact = ExactNarrowText(path, CP_ACP)) return *exact;
  RefusePath(NarrowText(path, CP_ACP), use);
}

}  // namespace vx::win32
