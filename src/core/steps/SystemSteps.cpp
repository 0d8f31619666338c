#include "core/steps/SystemSteps.h"

namespace vx {

void ExecuteSystemStep(StepContext&, const TCommand&) {}

}  // namespace vx
