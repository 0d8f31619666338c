#include "core/editor/dialogs/CommentDialog.h"

namespace vx::editor {

std::string ShowComment(const StepList& list) {
  const std::int32_t current = list.Current();
  return current == NoItem ? std::string() : list.Step(static_cast<std::size_t>(current)).p4;
}

bool CommentSelectedSteps(StepList& list, const std::string& comment) {
  bool changed = false;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (!list.IsSelected(i)) continue;
    list.Step(i).p4 = comment;
    changed = true;
  }
  return changed;
}

}  // namespace vx::editor
