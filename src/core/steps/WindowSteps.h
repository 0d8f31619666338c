#pragma once

#include "core/Interpreter.h"

namespace vx {

void ExecuteWindowStep(StepContext& context, const TCommand& step);

}  // namespace vx
