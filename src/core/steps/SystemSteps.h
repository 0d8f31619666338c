#pragma once

#include "core/Interpreter.h"

namespace vx {

void ExecuteSystemStep(StepContext& context, const TCommand& step);

}  // namespace vx
