// Lists of numbered steps for the list tests: step n carries the text n in p1, so a list
// reads back as "1 2 3 4 5".
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "core/StepKinds.h"
#include "core/editor/list/StepList.h"

namespace vx::editor::testing {

inline TCommand Numbered(int n) {
  return TCommand{ckWait, std::to_string(n), "", "", "", 1};
}

// Steps 1..count, with the given 1-based positions selected and the current item on the
// 1-based position `current` (0: none).
inline StepList NumberedList(int count, std::vector<int> selected = {}, int current = 0) {
  std::vector<TCommand> steps;
  for (int n = 1; n <= count; ++n) steps.push_back(Numbered(n));
  StepList list;
  list.Assign(std::move(steps));
  for (int position : selected) list.SetSelected(static_cast<std::size_t>(position - 1), true);
  list.SetCurrent(current - 1);
  return list;
}

inline std::string Order(const StepList& list) {
  std::string out;
  for (const TCommand& step : list.Steps()) out += (out.empty() ? "" : " ") + step.p1;
  return out;
}

// The p1 texts of the selected steps.
inline std::string Selected(const StepList& list) {
  std::string out;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (list.IsSelected(i)) out += (out.empty() ? "" : " ") + list.Step(i).p1;
  }
  return out;
}

// The p1 text of the current step, or "none".
inline std::string CurrentStep(const StepList& list) {
  return list.Current() == NoItem ? "none" : list.Step(static_cast<std::size_t>(list.Current())).p1;
}

}  // namespace vx::editor::testing
