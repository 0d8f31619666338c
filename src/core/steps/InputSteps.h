// Send Keys, Mouse Click, Mouse Move (the User Input family) and Record: the steps that act
// as the user's hands.
#pragma once

#include <string>

#include "core/Command.h"
#include "core/StepContext.h"
#include "core/ports/InputPort.h"

namespace vx {

void ExecuteInputStep(StepContext& context, const TCommand& step);

// Plays the recording back and waits for it to end. An empty recording shows "No Recorded
// data found" once the previous playback has ended.
void ExecuteRecordStep(StepContext& context, const TCommand& step);

// The button events of a click-type text ("Left Button Double Click", ...): its first
// character picks the button, its third word the action.
void SendMouseClick(InputPort& input, const std::string& clickType);

}  // namespace vx
