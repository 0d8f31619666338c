// A picture of one of the system's stock icons, drawn to the control's bounds.
#pragma once

#include "win32/forms/Control.h"

namespace vx::editor {

class TSystemIcon : public win32::TGraphicControl {
 public:
  explicit TSystemIcon(LPCSTR icon = IDI_INFORMATION) : icon_(icon) {}
  void Paint(HDC dc) const override;

 private:
  LPCSTR icon_;
};

}  // namespace vx::editor
