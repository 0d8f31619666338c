#pragma once

#include "core/Command.h"
#include "core/StepContext.h"

namespace vx {

void ExecuteSystemStep(StepContext& context, const TCommand& step);

}  // namespace vx
