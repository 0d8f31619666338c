#pragma once

#include "core/Interpreter.h"

namespace vx {

void ExecuteInputStep(StepContext& context, const TCommand& step);

}  // namespace vx
