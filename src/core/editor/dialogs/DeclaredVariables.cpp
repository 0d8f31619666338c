#include "core/editor/dialogs/DeclaredVariables.h"

#include "core/StepKinds.h"

namespace vx::editor {

std::vector<std::string> ListDeclaredVariables(std::span<const TCommand> steps,
                                               std::optional<std::size_t> editedIndex) {
  const std::size_t count =
      editedIndex && *editedIndex < steps.size() ? *editedIndex + 1 : steps.size();
  std::vector<std::string> names;
  for (const TCommand& step : steps.first(count))
    if (step.kind == ckSetVariable) names.push_back(step.p1);
  return names;
}

}  // namespace vx::editor
