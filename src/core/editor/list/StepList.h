// The document's steps as the step list shows them: the steps in order, which of them are
// selected, and the current item (the one with the focus caret, which the step dialogs
// edit). The list box mirrors this model; it never owns a step itself.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/Command.h"

namespace vx::editor {

// A script file counts its steps in 16 bits, so the list never grows past this.
inline constexpr std::size_t MaxListSteps = 0xFFFF;

// The current item when there is none (an empty list).
inline constexpr std::int32_t NoItem = -1;

// What a command changed, so the view does no more than it must:
// Repaint  - the same items, only their look (the "Disabled" mark);
// Selection - the same items, another selection or current item;
// Rebuild  - the items themselves: refill the list box once from the model.
enum class ListChange { None, Repaint, Selection, Rebuild };

// Every operation is one pass over the steps: lists of tens of thousands of steps stay
// responsive. Indexes are plain size_t; nothing here is limited to 16 bits.
class StepList {
 public:
  std::size_t Count() const { return steps_.size(); }
  bool Empty() const { return steps_.empty(); }

  // In list order, as a script file stores them (EncodeScript takes this directly).
  std::span<const TCommand> Steps() const { return steps_; }
  const TCommand& Step(std::size_t index) const { return steps_.at(index); }
  TCommand& Step(std::size_t index) { return steps_.at(index); }

  // A number that names a step for as long as it is in the list, whatever moves around
  // it; a step that leaves the list takes its id with it and no other step gets it again.
  std::uint64_t Id(std::size_t index) const { return ids_.at(index); }
  // The step's index, or NoItem when no step of the list has that id.
  std::int32_t IndexOfId(std::uint64_t id) const;

  bool IsSelected(std::size_t index) const { return selected_.at(index) != 0; }
  void SetSelected(std::size_t index, bool selected) { selected_.at(index) = selected ? 1 : 0; }
  void SelectAll(bool selected);
  std::size_t SelectedCount() const;
  // NoItem when nothing is selected.
  std::int32_t FirstSelected() const;
  std::int32_t LastSelected() const;

  std::int32_t Current() const { return current_; }
  // index must name a step, or be NoItem.
  void SetCurrent(std::int32_t index);

  // A new or opened document: these steps, nothing selected, the current item on the
  // first step (none in an empty list), as the list box's caret starts there.
  void Assign(std::vector<TCommand> steps);
  // Inserts the steps at index, unselected, in the order given; the current item stays
  // on its step, or, in a list that was empty, goes to the first step. Refuses
  // (ScriptLimitError) when the list would pass MaxListSteps.
  void Insert(std::size_t index, std::span<const TCommand> steps);
  // Takes every selected step out; the current item stays on its step when that step
  // stays, else moves to the first remaining step after it, else to the last one.
  void RemoveSelected();
  // Puts the steps in a new order: order[i] is the old index of the step that goes to i,
  // every old index exactly once. Selection, id and current item follow their steps.
  void Reorder(std::span<const std::size_t> order);

 private:
  std::vector<TCommand> steps_;
  std::vector<std::uint8_t> selected_;
  std::vector<std::uint64_t> ids_;
  std::int32_t current_ = NoItem;
  std::uint64_t nextId_ = 1;
};

// Refuses (ScriptLimitError, naming the limit) adding `adding` steps to a list of
// `count`: a script file could not hold the result.
void CheckRoomFor(std::size_t count, std::size_t adding);

}  // namespace vx::editor
