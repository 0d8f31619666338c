// The comment dialog (Tfrmcomment): the comment (p4) it shows, and the steps its OK gives
// the confirmed text.
#pragma once

#include <string>

#include "core/editor/list/StepList.h"

namespace vx::editor {

// The comment of the list's current item; empty when there is none.
std::string ShowComment(const StepList& list);

// OK: every selected step takes comment, whether or not the current item is among them.
// False when no step is selected (nothing changed).
bool CommentSelectedSteps(StepList& list, const std::string& comment);

}  // namespace vx::editor
