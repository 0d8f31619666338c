// The hands of the player: keys, mouse buttons, the cursor and the playback of recorded
// input, at the level of the platform calls.
#pragma once

#include <cstdint>
#include <string>

#include "core/keys/Keyboard.h"

namespace vx {

class InputPort {
 public:
  virtual ~InputPort() = default;

  virtual Keyboard& Keys() = 0;
  // One mouse_event with the given button flags alone: no movement, no data.
  virtual void MouseEvent(std::uint32_t flags) = 0;
  virtual void SetCursorPos(std::int32_t x, std::int32_t y) = 0;

  // Starts playing recording and returns at once; PlaybackFinished turns true when it has
  // ended, also when it never started.
  virtual void StartPlayback(const std::string& recording, std::uint32_t speed) = 0;
  virtual bool PlaybackFinished() = 0;
  // One turn of the wait for the playback's end: the application's pending messages run
  // (the progress window stays alive), then the thread rests until a message arrives or the
  // playback ends.
  virtual void AwaitPlayback() = 0;
};

}  // namespace vx
