// Holds the user's own input back while a playback runs: low-level keyboard and mouse hooks
// on a thread of their own, so that they answer at once whatever the playback is doing.
// Injected events (the playback's) pass; Ctrl+Esc cancels the playback.
#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

#include "core/playback/InputHold.h"

namespace vx::win32 {

class InputHoldHooks {
 public:
  // cancelled is set when the user presses Ctrl+Esc.
  explicit InputHoldHooks(std::atomic<bool>& cancelled);
  ~InputHoldHooks();
  InputHoldHooks(const InputHoldHooks&) = delete;
  InputHoldHooks& operator=(const InputHoldHooks&) = delete;

 private:
  void ThreadMain(HANDLE ready) noexcept;

  std::atomic<bool>& cancelled_;
  PhysicalInputFilter filter_;
  std::atomic<DWORD> threadId_{0};
  std::thread thread_;

  friend struct HookAccess;
};

}  // namespace vx::win32
