// What the recorder keeps of the desktop's input: the low-level keyboard and mouse hooks
// report each event, and the chosen ones become 20-byte records in the recording buffer,
// packed as a journal record hook packs them (see core/playback/JournalRecord.h), so the
// playback plays them and recordings made elsewhere stay compatible.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/playback/RecordedEvent.h"

namespace vx::editor {

// The options of the dialog's check boxes, copied when a recording starts.
struct RecorderOptions {
  bool recordMouse = true;
  bool includeMouseMovement = false;
  bool recordKeyboard = false;
};

// A keyboard hook event: the message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP)
// and the hook's own record.
struct KeyHookEvent {
  std::uint32_t message = 0;
  std::uint32_t virtualKey = 0;
  std::uint32_t scanCode = 0;
  std::uint32_t flags = 0;   // LLKHF_ bits: extended, injected, up
  std::uint32_t time = 0;    // the system's tick count of the event
  std::uint32_t window = 0;  // the window that receives it (the foreground window)
  bool onRecorder = false;   // that window is the recorder's own
};

namespace llkhf {
inline constexpr std::uint32_t Extended = 0x01;
inline constexpr std::uint32_t Injected = 0x10;
inline constexpr std::uint32_t Up = 0x80;
}  // namespace llkhf

// A mouse hook event: the message and the hook's own record.
struct MouseHookEvent {
  std::uint32_t message = 0;
  std::int32_t x = 0;  // the pointer in screen pixels
  std::int32_t y = 0;
  std::uint32_t mouseData = 0;  // the wheel delta in the high word for WM_MOUSEWHEEL
  std::uint32_t time = 0;
  std::uint32_t window = 0;  // the window under the pointer
  bool onRecorder = false;   // that window is the recorder's own (the dialog or a control of it)
};

// A recording that long is the most a step field can hold in a script file.
inline constexpr std::size_t MaxRecordingBytes = 65535;
inline constexpr std::size_t MaxRecordedEvents = MaxRecordingBytes / RecordedEventSize;  // 3276

inline constexpr std::uint32_t PauseKey = 0x13;

// The messages the dialog shows when a recording ends on its own or cannot start.
inline constexpr const char* RecordingFullMessage =
    "The recording is full and has stopped: a Record step holds at most 3276 events "
    "(65,535 bytes).";
inline constexpr const char* RecordingNotStartedMessage =
    "Recording could not start: the system did not accept the input hooks.";

// What an event did to the recording.
enum class RecorderResult {
  Ignored,   // not recording, or not an event the options keep
  Recorded,  // appended
  Paused,    // the Pause key: the recording has stopped, the key is not recorded
  Full,      // appended, and the recording has stopped: no further event would fit
};

class RecorderSession {
 public:
  // Starts a recording: the options are copied, the buffer emptied, and times count from
  // startTick (the tick count when the user clicked "Record").
  void Start(const RecorderOptions& options, std::uint32_t startTick);
  // Ends the recording; the buffer keeps what was recorded.
  void Stop() { recording_ = false; }
  bool Recording() const { return recording_; }

  // The Pause key, pressed, stops the recording. The hook's own event tells it: a hook of
  // another thread does not see the key state, and the key is no input to play back.
  // Keys typed on the recorder itself (Tab between its buttons, Space on "Stop", Enter on
  // "Apply") are no input to play back either, as its clicks: a key pressed while the
  // recorder is in front is left out, with its repeats and its release wherever they land.
  // A release on the recorder of a key pressed elsewhere is kept, so a playback never
  // leaves a key down.
  RecorderResult OnKey(const KeyHookEvent& event);
  // The user's handling of the recorder itself (the click on "Stop" or "Apply", a drag of
  // its title bar) is no input to play back: a press on the recorder's window and whatever
  // the mouse does until that button is released, wherever it lands, and moves and wheel
  // turns over it, are left out. A release over it of a button pressed elsewhere is kept,
  // so a playback never leaves a button down.
  RecorderResult OnMouse(const MouseHookEvent& event);

  // The recorded bytes: whole records, back to back.
  const std::string& Data() const { return buffer_; }
  // The dialog opens on a step: the buffer holds its recording (nothing for a new step).
  void Load(const std::string& recording) { buffer_ = recording; }
  void Clear() { buffer_.clear(); }

 private:
  RecorderResult Append(const RecordedEvent& event);
  std::uint32_t Elapsed(std::uint32_t time) const;
  bool RecordersOwn(const KeyHookEvent& event);
  bool RecordersOwn(const MouseHookEvent& event);

  std::string buffer_;
  RecorderOptions options_;
  std::uint32_t startTick_ = 0;
  bool recording_ = false;
  std::uint32_t heldOnRecorder_ = 0;     // a bit per button pressed on the recorder, not yet up
  std::bitset<256> keysHeldOnRecorder_;  // by virtual key: pressed on the recorder, not yet up
};

}  // namespace vx::editor
