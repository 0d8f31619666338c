#include "core/steps/WindowSteps.h"

namespace vx {

void ExecuteWindowStep(StepContext&, const TCommand&) {}

}  // namespace vx
