// When each recorded event is due, and the request-and-skip protocol by which a player
// takes the events one at a time.
//
// Event k (from 0) is due at start tick + its recorded time + delay * (k + 1), in unsigned
// 32-bit milliseconds that wrap around. The delay comes from the speed index; an index
// outside the table keeps the delay of the previous playback (0 before the first one).
#pragma once

#include <cstdint>
#include <string>

#include "core/playback/RecordedEvent.h"

namespace vx {

// Milliseconds added per event for speed index 0 ("Very Slow") to 4 ("Very Fast").
inline constexpr std::int32_t SpeedDelays[5] = {200, 100, 0, -5, -10};

// The delay of speed, or previous when speed is not in the table.
std::int32_t DelayForSpeed(std::uint32_t speed, std::int32_t previous);

class PlaybackSchedule {
 public:
  // What a request for the next event answers.
  struct Request {
    RecordedEvent event;     // with time replaced by its due tick
    std::uint32_t wait = 0;  // milliseconds until it is due, 0 when it is already due
    bool finished = false;   // the last event has been skipped: nothing more to play
  };

  // Takes a copy of recording and restarts the count. Keeps the delay of the previous
  // Start when speed is not in the table.
  void Start(const std::string& recording, std::uint32_t speed, std::uint32_t startTick);

  // The current event, moving on first when the previous one was skipped. Requests
  // between two skips answer the same event with a shrinking wait. The request after the
  // last skip sets finished (and answers the last event again). A recording without a
  // whole event is finished at the first request and answers an empty event.
  Request GetNext(std::uint32_t now);
  // The current event has been delivered; the next request moves on.
  void Skip() { advance_ = true; }

  std::uint32_t StartTick() const { return startTick_; }

 private:
  std::string buffer_;
  std::int32_t total_ = 0;
  std::int32_t count_ = 0;
  std::uint32_t startTick_ = 0;
  std::int32_t delay_ = 0;
  bool advance_ = false;
  bool finished_ = false;
};

}  // namespace vx
