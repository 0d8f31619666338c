// ExecuteStep: performs one step of a script by its kind code.
#pragma once

#include "core/Command.h"
#include "core/StepContext.h"

namespace vx {

// Performs step (taken by value: a branch may rewrite its own copy) through the family that
// performs its kind. Catches nothing: an error leaves ExecuteStep and ends the run. Codes
// that name no kind do nothing.
void ExecuteStep(StepContext& context, TCommand step);

}  // namespace vx
