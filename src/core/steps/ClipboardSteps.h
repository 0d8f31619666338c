#pragma once

#include "core/Command.h"
#include "core/StepContext.h"
#include "core/ports/ClipboardPort.h"

namespace vx {

void ExecuteClipboardStep(StepContext& context, const TCommand& step);

// Open, empty, set and close: the clipboard then holds text alone. ClipboardError "Cannot
// open clipboard" when another window holds it, "Cannot set clipboard data" when the system
// did not take the text.
void ReplaceClipboardText(ClipboardPort& clipboard, const std::string& text);

}  // namespace vx
