// The variable names a step's variable box offers: the Set Variable steps above the step.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Command.h"

namespace vx::editor {

// The p1 of every Set Variable step among the first steps of the list, in list order,
// exactly as spelt: a name with a blank is one entry, and a name declared twice gives two
// equal entries. Disabled steps count, because enabling a step must not change which names
// the steps below it may use.
//
// editedIndex is the list's current item when a dialog edits a step: the steps from the
// first down to and including that one are scanned, since the player declares nothing
// ahead of its turn. nullopt means a step is being added at the end: every step is scanned.
std::vector<std::string> ListDeclaredVariables(std::span<const TCommand> steps,
                                               std::optional<std::size_t> editedIndex);

}  // namespace vx::editor
