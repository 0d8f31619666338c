// A group's etched frame with its caption on the frame's top edge, painted on the form's
// surface: the labels placed after it lie over it (a group box window would hide them).
#pragma once

#include "win32/forms/StdControls.h"

namespace vx::editor {

class TGroupFrame : public win32::TLabel {
 public:
  TGroupFrame() { autoSize_ = false; }
  void Paint(HDC dc) const override;
};

}  // namespace vx::editor
