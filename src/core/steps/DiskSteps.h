#pragma once

#include "core/Interpreter.h"

namespace vx {

void ExecuteDiskStep(StepContext& context, const TCommand& step);

}  // namespace vx
