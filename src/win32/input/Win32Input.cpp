#include "win32/input/Win32Input.h"

#include <windows.h>

#include "win32/forms/Application.h"
#include "win32/input/Playback.h"

namespace vx::win32 {

void Win32Input::MouseEvent(std::uint32_t flags) {
  ::mouse_event(flags, 0, 0, 0, 0);
}

void Win32Input::SetCursorPos(std::int32_t x, std::int32_t y) {
  ::SetCursorPos(x, y);
}

void Win32Input::StartPlayback(const std::string& recording, std::uint32_t speed) {
  win32::StartPlayback(recording, speed);
}

bool Win32Input::PlaybackFinished() {
  return win32::PlaybackFinished();
}

void Win32Input::AwaitPlayback() {
  Application().ProcessMessages();
  // Rest until the next message or the end of the playback: spinning on an empty queue
  // would load the wineserver (or the kernel) that delivers the playback's events.
  WaitForPlaybackOrMessage(50);
}

}  // namespace vx::win32
