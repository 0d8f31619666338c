// The player's hands on the real desktop: keys, mouse buttons, the cursor, and the playback
// of recorded input.
#pragma once

#include "core/ports/InputPort.h"
#include "win32/input/Win32Keyboard.h"

namespace vx::win32 {

class Win32Input : public InputPort {
 public:
  Keyboard& Keys() override { return keyboard_; }
  void MouseEvent(std::uint32_t flags) override;
  void SetCursorPos(std::int32_t x, std::int32_t y) override;
  void StartPlayback(const std::string& recording, std::uint32_t speed) override;
  bool PlaybackFinished() override;
  void AwaitPlayback() override;

 private:
  Win32Keyboard keyboard_;
};

}  // namespace vx::win32
