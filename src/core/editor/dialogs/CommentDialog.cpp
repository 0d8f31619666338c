#include "core/editor/dialogs/CommentDialog.h"

namespace vx::editor {

std::string ShowComment(std::span<const TCommand> steps, std::optional<std::size_t> currentIndex) {
  if (!currentIndex || *currentIndex >= steps.size()) return {};
  return steps[*currentIndex].p4;
}

}  // namespace vx::editor
