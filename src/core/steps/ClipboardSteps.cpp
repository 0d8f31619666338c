#include "core/steps/ClipboardSteps.h"

namespace vx {

void ExecuteClipboardStep(StepContext&, const TCommand&) {}

}  // namespace vx
