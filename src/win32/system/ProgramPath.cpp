#include "win32/system/ProgramPath.h"

#include <windows.h>

#include "win32/system/SystemText.h"

namespace vx::win32 {

std::string ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A path that fills the buffer may have been cut: try again with room to spare.
    if (length < path.size()) {
      path.resize(length);
      return NarrowText(path, CP_ACP);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace vx::win32
