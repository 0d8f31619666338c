// The drop-down list in which a dialog offers the declared variables (no typing).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vx::editor {

struct VariableBox {
  std::vector<std::string> entries;
  std::optional<std::size_t> selected;  // nothing chosen: the box shows nothing

  // What the box shows and what Apply stores: the chosen entry, or empty.
  std::string Text() const;

  friend bool operator==(const VariableBox&, const VariableBox&) = default;
};

// The entry that stands for variable: one spelt the same way when there is one, otherwise
// the first that differs only in letter case (the player finds a variable by its name in
// any case but replaces references only in the stored spelling, so the same spelling is
// the better choice). nullopt when no entry names it.
std::optional<std::size_t> FindVariableEntry(const std::vector<std::string>& entries,
                                             const std::string& variable);

}  // namespace vx::editor
