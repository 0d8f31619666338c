#include "editor/dialogs/SystemIcon.h"

namespace vx::editor {

void TSystemIcon::Paint(HDC dc) const {
  // Stock icons are shared: loaded, never destroyed.
  if (const HICON icon = ::LoadIconA(nullptr, icon_))
    ::DrawIconEx(dc, Left(), Top(), icon, Width(), Height(), 0, nullptr, DI_NORMAL);
}

}  // namespace vx::editor
