#include "core/editor/dialogs/RecorderSession.h"

#include "core/playback/JournalRecord.h"

namespace vx::editor {

namespace {

// The mouse messages the mouse options govern; every other message, the middle button's
// included, is recorded with the keyboard.
bool IsRecordedAsMouse(std::uint32_t message) {
  switch (message) {
    case msg::MouseMove:
    case msg::LButtonDown:
    case msg::LButtonUp:
    case msg::RButtonDown:
    case msg::RButtonUp:
    case msg::MouseWheel:
      return true;
    default:
      return false;
  }
}

}  // namespace

void RecorderSession::Start(const RecorderOptions& options, std::uint32_t startTick) {
  options_ = options;
  startTick_ = startTick;
  buffer_.clear();
  // The hooks hold up the desktop's input while they run: appending never allocates.
  buffer_.reserve(MaxRecordingBytes);
  recording_ = true;
}

// Tick counts wrap after 49.7 days, so the difference is taken in 32 bits and read signed:
// an event stamped just before the click on "Record" counts as at the start.
std::uint32_t RecorderSession::Elapsed(std::uint32_t time) const {
  const auto elapsed = static_cast<std::int32_t>(time - startTick_);
  return elapsed < 0 ? 0u : static_cast<std::uint32_t>(elapsed);
}

RecorderResult RecorderSession::Append(const RecordedEvent& event) {
  AppendRecordedEvent(buffer_, event);
  if (buffer_.size() + RecordedEventSize <= MaxRecordingBytes) return RecorderResult::Recorded;
  recording_ = false;
  return RecorderResult::Full;
}

RecorderResult RecorderSession::OnKey(const KeyHookEvent& event) {
  if (!recording_) return RecorderResult::Ignored;
  if (event.virtualKey == PauseKey) {
    if ((event.flags & llkhf::Up) != 0) return RecorderResult::Ignored;
    recording_ = false;
    return RecorderResult::Paused;
  }
  if (!options_.recordKeyboard) return RecorderResult::Ignored;
  return Append(MakeKeyRecord(event.message, static_cast<std::uint8_t>(event.virtualKey),
                              static_cast<std::uint8_t>(event.scanCode),
                              (event.flags & llkhf::Extended) != 0, Elapsed(event.time),
                              event.window));
}

RecorderResult RecorderSession::OnMouse(const MouseHookEvent& event) {
  if (!recording_) return RecorderResult::Ignored;
  const bool kept = IsRecordedAsMouse(event.message)
                        ? options_.recordMouse &&
                              (event.message != msg::MouseMove || options_.includeMouseMovement)
                        : options_.recordKeyboard;
  if (!kept) return RecorderResult::Ignored;
  const std::uint32_t time = Elapsed(event.time);
  if (event.message == msg::MouseWheel) {
    const auto delta = static_cast<std::int16_t>(event.mouseData >> 16);
    return Append(MakeWheelRecord(event.x, event.y, delta, time, event.window));
  }
  return Append(MakeMouseRecord(event.message, event.x, event.y, time, event.window));
}

}  // namespace vx::editor
