// One recorded input event: 20 bytes, five unsigned 32-bit little-endian values, the layout
// of a journal hook's event record. A recording is whole events back to back, no header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

struct RecordedEvent {
  std::uint32_t message = 0;  // the key or mouse message number
  std::uint32_t paramL = 0;
  std::uint32_t paramH = 0;
  std::uint32_t time = 0;  // milliseconds from the start of the recording
  std::uint32_t hwnd = 0;  // the window reported with the event when it was recorded

  bool operator==(const RecordedEvent&) const = default;
};

inline constexpr std::size_t RecordedEventSize = 20;

// Whole events in a recording; a shorter tail is never read.
inline std::size_t RecordedEventCount(std::string_view recording) {
  return recording.size() / RecordedEventSize;
}

// Event index of the recording; index must be below RecordedEventCount.
RecordedEvent ReadRecordedEvent(std::string_view recording, std::size_t index);

// Appends the 20 bytes of event to recording.
void AppendRecordedEvent(std::string& recording, const RecordedEvent& event);

}  // namespace vx
