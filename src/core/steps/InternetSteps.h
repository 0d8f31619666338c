#pragma once

#include "core/Interpreter.h"

namespace vx {

void ExecuteInternetStep(StepContext& context, const TCommand& step);

}  // namespace vx
