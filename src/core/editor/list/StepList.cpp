#include "core/editor/list/StepList.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/Errors.h"

namespace vx::editor {

void CheckRoomFor(std::size_t count, std::size_t adding) {
  if (adding > MaxListSteps || count > MaxListSteps - adding) {
    throw ScriptLimitError("The script would have " + std::to_string(count + adding) +
                           " steps; a script holds at most 65535 steps. Nothing was added.");
  }
}

std::int32_t StepList::IndexOfId(std::uint64_t id) const {
  const auto found = std::find(ids_.begin(), ids_.end(), id);
  return found == ids_.end() ? NoItem : static_cast<std::int32_t>(found - ids_.begin());
}

void StepList::SelectAll(bool selected) {
  std::fill(selected_.begin(), selected_.end(), selected ? 1 : 0);
}

std::size_t StepList::SelectedCount() const {
  return static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), 1));
}

std::int32_t StepList::FirstSelected() const {
  const auto found = std::find(selected_.begin(), selected_.end(), 1);
  return found == selected_.end() ? NoItem : static_cast<std::int32_t>(found - selected_.begin());
}

std::int32_t StepList::LastSelected() const {
  const auto found = std::find(selected_.rbegin(), selected_.rend(), 1);
  return found == selected_.rend() ? NoItem
                                   : static_cast<std::int32_t>(selected_.rend() - found) - 1;
}

void StepList::SetCurrent(std::int32_t index) {
  if (index < NoItem || index >= static_cast<std::int32_t>(steps_.size())) {
    throw std::out_of_range("no step " + std::to_string(index) + " to make current");
  }
  current_ = index;
}

void StepList::Assign(std::vector<TCommand> steps) {
  steps_ = std::move(steps);
  selected_.assign(steps_.size(), 0);
  ids_.resize(steps_.size());
  for (auto& id : ids_) id = nextId_++;
  current_ = steps_.empty() ? NoItem : 0;
}

void StepList::Insert(std::size_t index, std::span<const TCommand> steps) {
  if (index > steps_.size()) throw std::out_of_range("insert past the end of the step list");
  CheckRoomFor(steps_.size(), steps.size());
  // One move of the tail per vector, whatever the number of steps inserted.
  const auto at = static_cast<std::ptrdiff_t>(index);
  steps_.insert(steps_.begin() + at, steps.begin(), steps.end());
  selected_.insert(selected_.begin() + at, steps.size(), 0);
  std::vector<std::uint64_t> fresh(steps.size());
  for (auto& id : fresh) id = nextId_++;
  ids_.insert(ids_.begin() + at, fresh.begin(), fresh.end());
  if (current_ == NoItem) {
    if (!steps_.empty()) current_ = 0;
  } else if (current_ >= static_cast<std::int32_t>(index)) {
    current_ += static_cast<std::int32_t>(steps.size());
  }
}

void StepList::RemoveSelected() {
  std::size_t kept = 0;
  std::int32_t current = NoItem;
  for (std::size_t i = 0; i < steps_.size(); ++i) {
    const bool keep = selected_[i] == 0;
    if (keep && current_ != NoItem && current == NoItem &&
        static_cast<std::int32_t>(i) >= current_) {
      current = static_cast<std::int32_t>(kept);
    }
    if (!keep) continue;
    if (kept != i) {
      steps_[kept] = std::move(steps_[i]);
      selected_[kept] = selected_[i];
      ids_[kept] = ids_[i];
    }
    ++kept;
  }
  steps_.resize(kept);
  selected_.resize(kept);
  ids_.resize(kept);
  if (current_ != NoItem && current == NoItem) current = static_cast<std::int32_t>(kept) - 1;
  current_ = current;
}

void StepList::Reorder(std::span<const std::size_t> order) {
  if (order.size() != steps_.size()) throw std::invalid_argument("reorder of another length");
  std::vector<TCommand> steps(steps_.size());
  std::vector<std::uint8_t> selected(steps_.size());
  std::vector<std::uint64_t> ids(steps_.size());
  std::int32_t current = NoItem;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::size_t from = order[i];
    steps[i] = std::move(steps_.at(from));
    selected[i] = selected_[from];
    ids[i] = ids_[from];
    if (static_cast<std::int32_t>(from) == current_) current = static_cast<std::int32_t>(i);
  }
  steps_ = std::move(steps);
  selected_ = std::move(selected);
  ids_ = std::move(ids);
  current_ = current;
}

}  // namespace vx::editor
