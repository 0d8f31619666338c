// Shared by the forms tests: letting the thread's messages run until a condition holds.
#pragma once

#include <windows.h>

#include <functional>

#include "win32/forms/Application.h"

namespace vx::win32 {

// Runs the messages waiting on this thread through the application's own loop step
// (accelerators and dialog keys included) until done() holds or about five seconds pass.
inline bool PumpUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 250; ++i) {
    Application().ProcessMessages();
    if (done()) return true;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return done();
}

// Runs what is waiting now, for checks that something did not happen.
inline void PumpPending() {
  Application().ProcessMessages();
}

}  // namespace vx::win32
