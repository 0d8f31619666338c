#include "core/playback/RecordedEvent.h"

#include "core/ByteStream.h"

namespace vx {

RecordedEvent ReadRecordedEvent(std::string_view recording, std::size_t index) {
  const std::size_t at = index * RecordedEventSize;
  return {U32At(recording, at), U32At(recording, at + 4), U32At(recording, at + 8),
          U32At(recording, at + 12), U32At(recording, at + 16)};
}

void AppendRecordedEvent(std::string& recording, const RecordedEvent& event) {
  AppendU32(recording, event.message);
  AppendU32(recording, event.paramL);
  AppendU32(recording, event.paramH);
  AppendU32(recording, event.time);
  AppendU32(recording, event.hwnd);
}

}  // namespace vx
