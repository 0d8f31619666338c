#include "core/playback/PlaybackSchedule.h"

#include <limits>

namespace vx {

std::int32_t DelayForSpeed(std::uint32_t speed, std::int32_t previous) {
  return speed < std::size(SpeedDelays) ? SpeedDelays[speed] : previous;
}

void PlaybackSchedule::Start(const std::string& recording, std::uint32_t speed,
                             std::uint32_t startTick) {
  buffer_ = recording;
  count_ = 0;
  const std::size_t events = RecordedEventCount(buffer_);
  total_ = events > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(events);
  startTick_ = startTick;
  finished_ = false;
  advance_ = true;
  delay_ = DelayForSpeed(speed, delay_);
}

PlaybackSchedule::Request PlaybackSchedule::GetNext(std::uint32_t now) {
  if (advance_) {
    if (count_ < total_) {
      ++count_;
    } else {
      finished_ = true;
    }
    advance_ = false;
  }
  Request request;
  request.finished = finished_;
  if (count_ == 0) {
    // Nothing was ever current: a recording of fewer than 20 bytes plays nothing.
    request.finished = true;
    return request;
  }
  request.event = ReadRecordedEvent(buffer_, static_cast<std::size_t>(count_ - 1));
  request.event.time +=
      startTick_ + static_cast<std::uint32_t>(delay_) * static_cast<std::uint32_t>(count_);
  const auto wait = static_cast<std::int32_t>(request.event.time - now);
  request.wait = wait > 0 ? static_cast<std::uint32_t>(wait) : 0;
  return request;
}

}  // namespace vx
