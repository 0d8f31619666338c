// A track bar: a slider over a range of whole positions, with a tick at each position.
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "win32/forms/Control.h"

namespace vx::win32 {

class TTrackBar : public TWinControl {
 public:
  void SetRange(int minimum, int maximum);
  int Position() const;
  void SetPosition(int position);

 protected:
  const char* ClassName() const override { return TRACKBAR_CLASSA; }
  DWORD OwnStyle() const override { return WS_TABSTOP | TBS_AUTOTICKS | TBS_HORZ; }
};

}  // namespace vx::win32
