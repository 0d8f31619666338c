#include "core/editor/dialogs/RecorderDialogFields.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/IntegerText.h"
#include "core/StepKinds.h"

namespace vx::editor {

int RecordSpeedOf(const std::string& speedField) {
  if (speedField.empty()) return NormalRecordSpeed;
  try {
    return std::clamp(StrToInt(speedField), MinRecordSpeed, MaxRecordSpeed);
  } catch (const ConvertError&) {
    return NormalRecordSpeed;
  }
}

RecorderShown ShowRecordStep(const TCommand& step, RecorderSession& session) {
  session.Stop();
  session.Load(step.p1);
  RecorderShown shown;
  shown.speed = RecordSpeedOf(step.p2);
  shown.playEnabled = !step.p1.empty();
  shown.title = StepKindName(ckRecord);
  shown.description = StepKindDescription(ckRecord);
  return shown;
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

void ApplyRecordStep(int speed, RecorderSession& session, TCommand& step) {
  session.Stop();
  step.kind = ckRecord;
  step.p1 = session.Data();
  step.p2 = std::to_string(speed);
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
