// A label that breaks its text into lines within its design bounds (the dialogs'
// descriptions on the coloured band).
#pragma once

#include "win32/forms/StdControls.h"

namespace vx::editor {

class TWrapLabel : public win32::TLabel {
 public:
  TWrapLabel() { autoSize_ = false; }
  void Paint(HDC dc) const override;
};

}  // namespace vx::editor
