// Sends the events of a playback schedule at their due times, on the calling thread (the
// playback's own), and leaves no key or button down behind.
#pragma once

#include <windows.h>

#include <atomic>
#include <bitset>
#include <optional>
#include <vector>

#include "core/playback/JournalRecord.h"
#include "core/playback/PlaybackSchedule.h"

namespace vx::win32 {

class PlaybackDriver {
 public:
  // start is the performance counter at the schedule's start tick.
  PlaybackDriver(PlaybackSchedule& schedule, LONGLONG start, std::atomic<bool>& cancelled);

  // Plays until the schedule is finished or the playback is cancelled, then releases what
  // the recording pressed and did not release (a recording stopped with a key down, or a
  // cancel in the middle of a drag).
  void Run();

 private:
  std::uint32_t NowTick() const;
  // False when cancelled first.
  bool WaitUntil(LONGLONG counter) const;
  // The input to send for event (noting what it presses); none when it is neither a key
  // nor a mouse message.
  std::optional<INPUT> Translate(const RecordedEvent& event);
  INPUT MouseInput(const vx::MouseInput& mouse) const;
  void ReleaseEverything();

  PlaybackSchedule& schedule_;
  const LONGLONG start_;
  LONGLONG frequency_ = 1;
  std::atomic<bool>& cancelled_;
  RECT screen_{};  // the virtual desktop, for absolute pointer positions
  std::bitset<256> keysDown_;
  std::uint32_t buttonsDown_ = 0;  // mouseflag "down" bits
};

}  // namespace vx::win32
