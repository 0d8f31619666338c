#include "core/editor/dialogs/RecorderSession.h"

#include "core/playback/JournalRecord.h"

namespace vx::editor {

namespace {

constexpr std::uint32_t XButtonDown = 0x20B;
constexpr std::uint32_t XButtonUp = 0x20C;

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

// A button's bit for its press or release message (release set for the latter); 0 for moves
// and wheel turns. Both extra buttons share one bit: the message does not tell them apart.
std::uint32_t ButtonBit(std::uint32_t message, bool& release) {
  release = message == msg::LButtonUp || message == msg::RButtonUp || message == msg::MButtonUp ||
            message == XButtonUp;
  switch (message) {
    case msg::LButtonDown:
    case msg::LButtonUp:
      return 1;
    case msg::RButtonDown:
    case msg::RButtonUp:
      return 2;
    case msg::MButtonDown:
    case msg::MButtonUp:
      return 4;
    case XButtonDown:
    case XButtonUp:
      return 8;
    default:
      return 0;
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
  heldOnRecorder_ = 0;
  keysHeldOnRecorder_.reset();
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
  if (RecordersOwn(event) || !options_.recordKeyboard) return RecorderResult::Ignored;
  return Append(MakeKeyRecord(event.message, static_cast<std::uint8_t>(event.virtualKey),
                              static_cast<std::uint8_t>(event.scanCode),
                              (event.flags & llkhf::Extended) != 0, Elapsed(event.time),
                              event.window));
}

bool RecorderSession::RecordersOwn(const KeyHookEvent& event) {
  const std::size_t key = event.virtualKey & 0xFF;
  if ((event.flags & llkhf::Up) != 0) {
    const bool own = keysHeldOnRecorder_[key];
    keysHeldOnRecorder_[key] = false;
    return own;
  }
  const bool own = event.onRecorder || keysHeldOnRecorder_[key];
  if (own) keysHeldOnRecorder_[key] = true;
  return own;
}

bool RecorderSession::RecordersOwn(const MouseHookEvent& event) {
  bool release = false;
  const std::uint32_t button = ButtonBit(event.message, release);
  if (release) {
    const bool own = (heldOnRecorder_ & button) != 0;
    heldOnRecorder_ &= ~button;
    return own;
  }
  const bool own = event.onRecorder || heldOnRecorder_ != 0;
  if (own) heldOnRecorder_ |= button;
  return own;
}

RecorderResult RecorderSession::OnMouse(const MouseHookEvent& event) {
  if (!recording_ || RecordersOwn(event)) return RecorderResult::Ignored;
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
