// The System family: Wait, Execution Speed, Call DLL Function, the power and log-off kinds,
// and Set Variable.
#pragma once

#include "core/Command.h"
#include "core/StepContext.h"

namespace vx {

void ExecuteSystemStep(StepContext& context, const TCommand& step);

}  // namespace vx
