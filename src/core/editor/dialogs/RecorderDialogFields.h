// The recorder dialog's step fields and buttons: a Record step keeps the recording in p1 and
// the playback speed (the track bar's position, 0 "Very Slow" to 4 "Very Fast") in p2.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/Command.h"
#include "core/editor/dialogs/DialogMapping.h"
#include "core/editor/dialogs/RecorderSession.h"

namespace vx::editor {

inline constexpr int MinRecordSpeed = 0;
inline constexpr int NormalRecordSpeed = 2;
inline constexpr int MaxRecordSpeed = 4;

// The controls that hold step fields, as the mapping numbers them.
enum RecorderControl : int {
  rcSpeed,  // tbrecord: its position is the speed
  RecorderControlCount
};

// The speed is the track bar's position stored as decimal text; the track bar starts at
// Normal. An empty field (a new step) and one that is no integer (a hand-made file) open at
// Normal, so the step can still be edited; a number outside the track bar's range is held
// at its nearer end, as the track bar holds it. The recording (p1) is no control's: it lives
// in the RecorderSession, which the hooks fill while the dialog is open (see
// ShowRecordStep and ApplyRecording).
extern const std::array<ControlBinding, 1> RecorderMapping;

struct RecorderShown {
  bool playEnabled = false;  // the step has a recording to play
  std::string title;
  std::string description;
};

// The dialog opens on step (the working step: empty when adding, the edited step's copy
// otherwise). The recording buffer takes the step's recording, so every add starts empty.
// The session is idle afterwards (the caller stopped the hooks when the dialog last closed).
RecorderShown ShowRecordStep(const TCommand& step, RecorderSession& session);

// "Record": startHooks asks the system for the input hooks; when it refuses, the buffer keeps
// the recording it had (the edited step's, or the one just made), so Apply still stores it.
// Whether the recording runs.
bool StartRecordStep(const RecorderOptions& options, std::uint32_t startTick,
                     RecorderSession& session, const std::function<bool()>& startHooks);

// A recording stopped (the "Stop" button, the Pause key or a full buffer): the working step
// takes it, so "Play" plays what was just recorded.
void TakeRecording(const RecorderSession& session, TCommand& step);

// Apply: a running recording stops; p1 takes the buffer's recording and the buffer is
// emptied. Every other field is the mapping's or stays.
void ApplyRecording(RecorderSession& session, TCommand& step);

// Cancel or the close box: a running recording stops and the buffer is emptied.
void CancelRecordStep(RecorderSession& session);

enum class RecorderMode { Idle, Recording, Playing };

struct RecorderButtons {
  std::string recordCaption;  // "Record", or "Stop" while recording
  bool recordEnabled = true;
  bool playEnabled = false;

  bool operator==(const RecorderButtons&) const = default;
};

// The buttons in each mode. playable: the working step holds a recording, or a recording
// has just stopped (Play then reports an empty one itself).
RecorderButtons RecorderButtonsFor(RecorderMode mode, bool playable);

// While a playback runs, Apply, Cancel, Record and Play do nothing: the played keys (Enter,
// Esc, a click) must not close the dialog or start something else. Apply, Cancel and the
// close box otherwise first stop a running recording.
inline bool RecorderButtonsAct(RecorderMode mode) {
  return mode != RecorderMode::Playing;
}

}  // namespace vx::editor
