#include "core/playback/RecordedEvent.h"

namespace vx {

namespace {

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

void AppendU32(std::string& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

RecordedEvent ReadRecordedEvent(std::string_view recording, std::size_t index) {
  const std::size_t at = index * RecordedEventSize;
  return {ReadU32(recording, at), ReadU32(recording, at + 4), ReadU32(recording, at + 8),
          ReadU32(recording, at + 12), ReadU32(recording, at + 16)};
}

void AppendRecordedEvent(std::string& recording, const RecordedEvent& event) {
  AppendU32(recording, event.message);
  AppendU32(recording, event.paramL);
  AppendU32(recording, event.paramH);
  AppendU32(recording, event.time);
  AppendU32(recording, event.hwnd);
}

}  // namespace vx
