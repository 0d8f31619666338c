#pragma once

#include "core/Interpreter.h"

namespace vx {

void ExecuteClipboardStep(StepContext& context, const TCommand& step);

}  // namespace vx
