#include "win32/forms/ListBoxMirror.h"

namespace vx::win32 {

void ListBoxMirror::Show(const std::string& line) {
  ::SendMessageA(listBox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  ::SendMessageA(listBox_, WM_VSCROLL, SB_BOTTOM, 0);
  ::SendMessageA(listBox_, WM_VSCROLL, SB_ENDSCROLL, 0);
  ::UpdateWindow(listBox_);
}

}  // namespace vx::win32
