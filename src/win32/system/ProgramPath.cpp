#include "win32/system/ProgramPath.h"

#include <windows.h>

#include "win32/system/SystemText.h"

namespace vx::win32 {

std::wstring ProgramPathWide() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A path that fills the buffer may have been cut: try again with room to spare.
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string ProgramPath() {
  return NarrowText(ProgramPathWide(), CP_ACP);
}

std::string ProgramFolderFor(const std::string& name, PathUse use) {
  const std::wstring path = ProgramPathWide();
  const std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
  if (std::optional<std::string> exact = ExactNarrowText(folder, CP_ACP)) return *exact;
  RefusePath(NarrowText(folder, CP_ACP) + name, use);
}

}  // namespace vx::win32
