// Shows the run log's lines in a list box as they are written, the newest in view even while
// the thread is busy with a step.
#pragma once

#include <windows.h>

#include "core/RunLog.h"

namespace vx::win32 {

class ListBoxMirror : public LogMirror {
 public:
  explicit ListBoxMirror(HWND listBox) : listBox_(listBox) {}
  void Show(const std::string& line) override;

 private:
  HWND listBox_;
};

}  // namespace vx::win32
