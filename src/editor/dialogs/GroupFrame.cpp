#include "editor/dialogs/GroupFrame.h"

#include "win32/forms/Form.h"

namespace vx::editor {

void TGroupFrame::Paint(HDC dc) const {
  const HGDIOBJ old = ::SelectObject(dc, font_.Get());
  SIZE text{};
  ::GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text);
  RECT edge = bounds_;
  edge.top += text.cy / 2;
  ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  // The caption interrupts the top edge: drawn on the form's own background.
  ::SetBkMode(dc, OPAQUE);
  ::SetBkColor(dc, Form() ? Form()->Def().background : ::GetSysColor(COLOR_BTNFACE));
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::TextOutA(dc, bounds_.left + Scale(8), bounds_.top, caption_.c_str(),
             static_cast<int>(caption_.size()));
  ::SelectObject(dc, old);
}

}  // namespace vx::editor
