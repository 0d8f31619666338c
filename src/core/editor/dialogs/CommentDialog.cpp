#include "core/editor/dialogs/CommentDialog.h"

namespace vx::editor {

std::string ShowComment(std::span<const TCommand> steps, std::optional<std::size_t> currentIndex) {
  if (!currentIndex || *currentIndex >= steps.size()) return {};
  return steps[*currentIndex].p4;
}

void ApplyComment(std::span<TCommand> steps, std::span<const std::size_t> selectedIndexes,
                  const std::string& text) {
  for (std::size_t index : selectedIndexes)
    if (index < steps.size()) steps[index].p4 = text;
}

}  // namespace vx::editor
