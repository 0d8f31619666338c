#include "core/steps/DiskSteps.h"

namespace vx {

void ExecuteDiskStep(StepContext&, const TCommand&) {}

}  // namespace vx
