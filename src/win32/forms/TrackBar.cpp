#include "win32/forms/TrackBar.h"

namespace vx::win32 {

void TTrackBar::SetRange(int minimum, int maximum) {
  ::SendMessageA(window_, TBM_SETRANGE, TRUE, MAKELPARAM(minimum, maximum));
}

int TTrackBar::Position() const {
  return static_cast<int>(::SendMessageA(window_, TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int position) {
  ::SendMessageA(window_, TBM_SETPOS, TRUE, position);
}

}  // namespace vx::win32
