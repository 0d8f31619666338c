#include "core/editor/list/ListMouse.h"

#include <numeric>
#include <vector>

namespace vx::editor {

std::int32_t ItemAtY(const ListGeometry& geometry, int y) {
  if (geometry.itemHeight <= 0 || y < 0) return NoItem;
  const std::size_t index = geometry.topIndex + static_cast<std::size_t>(y / geometry.itemHeight);
  return index < geometry.count ? static_cast<std::int32_t>(index) : NoItem;
}

std::int64_t ItemTop(const ListGeometry& geometry, std::size_t index) {
  return (static_cast<std::int64_t>(index) - static_cast<std::int64_t>(geometry.topIndex)) *
         geometry.itemHeight;
}

PressDecision DecidePress(const MouseShift& shift, std::size_t selectedCount,
                          std::int32_t itemUnderPress) {
  const bool modifier = shift.shift || shift.ctrl || shift.alt || shift.doubleClick;
  const bool rightAlone = shift.right && !shift.left && !shift.middle && !modifier;
  const bool leftAlone = shift.left && !shift.right && !shift.middle && !modifier;
  PressDecision decision;
  // With several steps selected the context menu acts on all of them, so a right press
  // keeps them.
  if (rightAlone && selectedCount <= 1) decision.selectAlone = itemUnderPress;
  if (itemUnderPress == NoItem) {
    decision.deselectAll = true;
  } else {
    decision.armDrag = leftAlone;
  }
  return decision;
}

ListChange ApplyPress(StepList& list, const PressDecision& decision) {
  ListChange change = ListChange::None;
  if (decision.selectAlone != NoItem) {
    list.SelectAll(false);
    list.SetSelected(static_cast<std::size_t>(decision.selectAlone), true);
    list.SetCurrent(decision.selectAlone);
    change = ListChange::Selection;
  }
  if (decision.deselectAll && list.FirstSelected() != NoItem) {
    list.SelectAll(false);
    change = ListChange::Selection;
  }
  return change;
}

std::int64_t InsertionCandidateY(const ListGeometry& geometry, std::int32_t itemUnderMouse) {
  if (itemUnderMouse != NoItem) return ItemTop(geometry, static_cast<std::size_t>(itemUnderMouse));
  if (geometry.count == 0) return 0;
  return ItemTop(geometry, geometry.count) - 1;
}

std::optional<InsertionLine::Strokes> InsertionLine::MoveTo(std::int64_t candidateY) {
  if (candidateY == y_) return std::nullopt;
  const Strokes strokes{y_, candidateY};
  y_ = candidateY;
  return strokes;
}

std::size_t DropTarget(std::size_t count, std::int32_t itemUnderDrop, std::size_t dragged) {
  std::size_t target = itemUnderDrop == NoItem ? count : static_cast<std::size_t>(itemUnderDrop);
  if (dragged < target) --target;
  return target;
}

ListChange DropStep(StepList& list, std::int32_t itemUnderDrop) {
  if (list.Current() == NoItem) return ListChange::None;
  const auto dragged = static_cast<std::size_t>(list.Current());
  const std::size_t target = DropTarget(list.Count(), itemUnderDrop, dragged);
  // Taking the step out and putting it back at target shifts the steps between by one.
  std::vector<std::size_t> order(list.Count());
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (dragged < target) {
    for (std::size_t i = dragged; i < target; ++i) order[i] = i + 1;
  } else {
    for (std::size_t i = target + 1; i <= dragged; ++i) order[i] = i - 1;
  }
  order[target] = dragged;
  list.Reorder(order);
  list.SetSelected(target, true);
  list.SetCurrent(static_cast<std::int32_t>(target));
  return ListChange::Rebuild;
}

}  // namespace vx::editor
