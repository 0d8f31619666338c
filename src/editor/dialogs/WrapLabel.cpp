#include "editor/dialogs/WrapLabel.h"

namespace vx::editor {

void TWrapLabel::Paint(HDC dc) const {
  const win32::FontDef font = EffectiveFont();
  RECT r = bounds_;
  const HGDIOBJ old = ::SelectObject(dc, font_.Get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(
      dc, font.color == win32::DefaultTextColor ? ::GetSysColor(COLOR_WINDOWTEXT) : font.color);
  ::DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
              DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SelectObject(dc, old);
}

}  // namespace vx::editor
