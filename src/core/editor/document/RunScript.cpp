#include "core/editor/document/RunScript.h"

#include <algorithm>

namespace vx::editor {

std::string ExecutableFolder(const std::string& executablePath) {
  const std::size_t cut = executablePath.find_last_of('\\');
  return cut == std::string::npos ? std::string() : executablePath.substr(0, cut + 1);
}

PlayerStart PlanPlayerStart(const std::string& executablePath) {
  const std::string folder = ExecutableFolder(executablePath);
  PlayerStart start;
  start.scriptPath = folder + kRunFileName;
  start.verb = "open";
  start.file = "\"" + folder + kPlayerFileName + "\"";
  start.parameters = "\"" + start.scriptPath + "\"";
  return start;
}

std::optional<StepRange> SelectedRange(std::span<const std::int32_t> selectedIndexes,
                                       std::size_t stepCount) {
  std::optional<StepRange> range;
  for (const std::int32_t index : selectedIndexes) {
    if (index < 0 || static_cast<std::size_t>(index) >= stepCount) continue;
    if (!range) {
      range = StepRange{index, index};
    } else {
      range->first = std::min(range->first, index);
      range->last = std::max(range->last, index);
    }
  }
  return range;
}

}  // namespace vx::editor
