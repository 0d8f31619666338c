#include "core/steps/InternetSteps.h"

namespace vx {

void ExecuteInternetStep(StepContext&, const TCommand&) {}

}  // namespace vx
