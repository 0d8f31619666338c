#include "core/Interpreter.h"

#include "core/StepFamilies.h"
#include "core/steps/ClipboardSteps.h"
#include "core/steps/DiskSteps.h"
#include "core/steps/InputSteps.h"
#include "core/steps/InternetSteps.h"
#include "core/steps/SystemSteps.h"
#include "core/steps/WindowSteps.h"

namespace vx {

namespace {

using StepFunction = void (*)(StepContext&, const TCommand&);

// One function performs all of a family's kinds; which kind belongs to which family is the
// family table's to say.
StepFunction PerformerOf(StepFamily family) {
  switch (family) {
    case StepFamily::Clipboard:
      return ExecuteClipboardStep;
    case StepFamily::FileOp:
      return ExecuteDiskStep;
    case StepFamily::Internet:
      return ExecuteInternetStep;
    case StepFamily::Window:
      return ExecuteWindowStep;
    case StepFamily::UserInput:
      return ExecuteInputStep;
    case StepFamily::System:
      return ExecuteSystemStep;
    case StepFamily::Record:
      return ExecuteRecordStep;
    case StepFamily::None:
      break;
  }
  return nullptr;
}

}  // namespace

void ExecuteStep(StepContext& context, TCommand step) {
  if (const StepFunction perform = PerformerOf(FamilyOfKind(step.kind))) perform(context, step);
}

}  // namespace vx
