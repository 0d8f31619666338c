// Kinds 243 to 249: text between a file and a variable, and the shell's file operations
// and launches on the entries an object criteria selects.
#pragma once

#include <string>
#include <vector>

#include "core/Command.h"
#include "core/StepContext.h"

namespace vx {

void ExecuteDiskStep(StepContext& context, const TCommand& step);

// The lines of a text as a text file is read: a line ends at CR, at LF or at CR LF, and a
// zero byte ends the text.
std::vector<std::string> SplitTextLines(const std::string& text);

}  // namespace vx
