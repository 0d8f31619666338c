// The drop-down list in which a dialog offers the declared variables (no typing): which
// entry shows a step's variable.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vx::editor {

// The entry that stands for variable: one spelt the same way when there is one, otherwise
// the first that differs only in letter case (the player finds a variable by its name in
// any case but replaces references only in the stored spelling, so the same spelling is
// the better choice). nullopt when no entry names it.
std::optional<std::size_t> FindVariableEntry(const std::vector<std::string>& entries,
                                             const std::string& variable);

}  // namespace vx::editor
