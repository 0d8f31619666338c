#include "core/editor/dialogs/VariableBox.h"

#include <algorithm>

#include "core/SystemText.h"

namespace vx::editor {

std::optional<std::size_t> FindVariableEntry(const std::vector<std::string>& entries,
                                             const std::string& variable) {
  const auto exact = std::find(entries.begin(), entries.end(), variable);
  if (exact != entries.end()) return static_cast<std::size_t>(exact - entries.begin());
  const auto folded = std::find_if(entries.begin(), entries.end(), [&](const std::string& entry) {
    // The player finds a variable by the same comparison.
    return SameTextIgnoringCase(entry, variable);
  });
  if (folded != entries.end()) return static_cast<std::size_t>(folded - entries.begin());
  return std::nullopt;
}

}  // namespace vx::editor
