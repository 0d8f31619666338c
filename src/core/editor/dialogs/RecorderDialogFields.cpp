#include "core/editor/dialogs/RecorderDialogFields.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/IntegerText.h"
#include "core/StepKinds.h"

namespace vx::editor {

namespace {

int RecordSpeedOf(const std::string& speedField) {
  if (speedField.empty()) return NormalRecordSpeed;
  try {
    return std::clamp(StrToInt(speedField), MinRecordSpeed, MaxRecordSpeed);
  } catch (const ConvertError&) {
    return NormalRecordSpeed;
  }
}

void ShowSpeed(const Codec&, const std::string& field, const ControlBinding& row,
               const ShowContext&, DialogValues& values) {
  values[row.control].index = RecordSpeedOf(field);
}

std::string ApplySpeed(const Codec&, const ControlBinding& row, const DialogValues& values) {
  return std::to_string(values[row.control].index);
}

constexpr Codec SpeedCodec{ShowSpeed, ApplySpeed};

}  // namespace

const std::array<ControlBinding, 1> RecorderMapping{{
    {.control = rcSpeed,
     .field = FieldRef{Slot::P2},
     .kinds = {ckRecord},
     .codec = SpeedCodec,
     .indexAtStart = NormalRecordSpeed},
}};

RecorderShown ShowRecordStep(const TCommand& step, RecorderSession& session) {
  session.Stop();
  session.Load(step.p1);
  return {!step.p1.empty(), StepKindName(ckRecord), StepKindDescription(ckRecord)};
}

bool StartRecordStep(const RecorderOptions& options, std::uint32_t startTick,
                     RecorderSession& session, const std::function<bool()>& startHooks) {
  // The hooks first: the buffer is emptied only for a recording that runs. No event reaches
  // the session before Start, as the hooks run through this thread's message loop.
  if (!startHooks()) return false;
  session.Start(options, startTick);
  return true;
}

void TakeRecording(const RecorderSession& session, TCommand& step) {
  step.p1 = session.Data();
}

void ApplyRecording(RecorderSession& session, TCommand& step) {
  session.Stop();
  step.p1 = session.Data();
  session.Clear();
}

void CancelRecordStep(RecorderSession& session) {
  session.Stop();
  session.Clear();
}

RecorderButtons RecorderButtonsFor(RecorderMode mode, bool playable) {
  switch (mode) {
    case RecorderMode::Recording:
      return {"Stop", true, false};
    case RecorderMode::Playing:
      return {"Record", false, true};
    case RecorderMode::Idle:
      break;
  }
  return {"Record", true, playable};
}

}  // namespace vx::editor
