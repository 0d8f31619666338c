#include "core/steps/InputSteps.h"

namespace vx {

void ExecuteInputStep(StepContext&, const TCommand&) {}

}  // namespace vx
