#include "core/editor/list/ListCommands.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/editor/list/StepBlock.h"

namespace vx::editor {

ListChange DeleteSelected(StepList& list) {
  if (list.FirstSelected() == NoItem) return ListChange::None;
  list.RemoveSelected();
  return ListChange::Rebuild;
}

ListChange SelectAllSteps(StepList& list) {
  if (list.Empty()) return ListChange::None;
  list.SelectAll(true);
  return ListChange::Selection;
}

ListChange ToggleEnabled(StepList& list) {
  bool any = false;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (!list.IsSelected(i)) continue;
    TCommand& step = list.Step(i);
    step.enabled = step.enabled == 0 ? 1 : 0;
    any = true;
  }
  return any ? ListChange::Repaint : ListChange::None;
}

ListChange PasteBlock(StepList& list, std::span<const TCommand> block) {
  if (block.empty()) return ListChange::None;
  // Each step of the block went in at the same place, in front of the ones before it:
  // the block reversed, inserted once.
  const std::vector<TCommand> inOrder(block.rbegin(), block.rend());
  list.Insert(static_cast<std::size_t>(list.Current() + 1), inOrder);
  return ListChange::Rebuild;
}

PasteOutcome PasteFromClipboard(StepList& list, std::optional<std::string_view> block) {
  if (!block) return {ListChange::None, UnsupportedClipboardFormatText};
  const auto steps = DecodeStepBlock(*block);
  if (!steps) return {ListChange::None, UnsupportedClipboardFormatText};
  return {PasteBlock(list, *steps), {}};
}

ListChange MoveSelectedUp(StepList& list) {
  const std::int32_t first = list.FirstSelected();
  if (first == NoItem || first == 0) return ListChange::None;
  // Steps above the one over the first selected stay; then the selected block; then the
  // remaining steps in their order.
  const auto start = static_cast<std::size_t>(first - 1);
  std::vector<std::size_t> order(start);
  std::iota(order.begin(), order.end(), std::size_t{0});
  order.reserve(list.Count());
  for (std::size_t i = start; i < list.Count(); ++i) {
    if (list.IsSelected(i)) order.push_back(i);
  }
  for (std::size_t i = start; i < list.Count(); ++i) {
    if (!list.IsSelected(i)) order.push_back(i);
  }
  list.Reorder(order);
  return ListChange::Rebuild;
}

ListChange MoveSelectedDown(StepList& list) {
  const std::int32_t last = list.LastSelected();
  if (last == NoItem || static_cast<std::size_t>(last) + 1 == list.Count()) {
    return ListChange::None;
  }
  // The unselected steps down to the one below the last selected; then the selected
  // block; then the steps after it, untouched.
  const auto end = static_cast<std::size_t>(last) + 2;
  std::vector<std::size_t> order;
  order.reserve(list.Count());
  for (std::size_t i = 0; i < end; ++i) {
    if (!list.IsSelected(i)) order.push_back(i);
  }
  for (std::size_t i = 0; i < end; ++i) {
    if (list.IsSelected(i)) order.push_back(i);
  }
  for (std::size_t i = end; i < list.Count(); ++i) order.push_back(i);
  list.Reorder(order);
  return ListChange::Rebuild;
}

ListChange AppendStep(StepList& list, const TCommand& step) {
  TCommand added = step;
  added.enabled = 1;
  list.Insert(list.Count(), std::span<const TCommand>(&added, 1));
  return ListChange::Rebuild;
}

}  // namespace vx::editor
