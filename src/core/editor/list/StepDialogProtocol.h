// The add-or-edit protocol every step dialog follows. Opened from the action tree (adding
// flag true) a dialog builds a new step and appends it to the list; opened from the step
// list (adding flag false) it edits the list's current step in place.
//
// A dialog holds one StepDialogProtocol. Its show handler calls Show and fills its
// controls from Working() and CurrentKind(); its kind switches call SetCurrentKind; its
// Apply button runs its own checks first and then calls Apply with the mapping that reads
// its controls into the step's fields.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/Command.h"
#include "core/editor/list/ActionTree.h"
#include "core/editor/list/StepList.h"

namespace vx::editor {

// The list's double-click and "Properties": which dialog edits the current step, and
// whether the adding flag is cleared (it is whenever a step is selected). Nothing when no
// step is selected, nor for a kind that no dialog serves.
struct EditOpening {
  bool clearAdding = false;
  StepDialog dialog = StepDialog::None;
};
EditOpening DecideEditOpening(const StepList& list);

class StepDialogProtocol {
 public:
  // Adding: a cleared step of the kind named by the tree's selected node
  // (StepKindFromName). Editing: a copy of the list's current step, remembered by its id
  // so Apply finds it wherever it has moved. False, and nothing changed, when editing
  // with no current item.
  bool Show(bool adding, const std::string& treeNodeText, const StepList& list);

  bool Adding() const { return adding_; }
  const TCommand& Working() const { return working_; }
  std::uint8_t CurrentKind() const { return currentKind_; }
  void SetCurrentKind(std::uint8_t kind) { currentKind_ = kind; }

  // The dialog's mapping: reads its controls into the fields that the current kind uses
  // (p1..p3). p4 and the enabled byte are the protocol's, not the dialog's.
  using FieldWriter = std::function<void(TCommand&)>;

  enum class Outcome {
    Added,     // appended as the last step, enabled, the selection as it was
    Edited,    // the shown step got the kind and p1..p3; its comment and enabled byte stay
    StepGone,  // the shown step left the list meanwhile: nothing changed
  };
  // Refuses (ScriptLimitError) an add that would take the list past MaxListSteps; the
  // list is then unchanged. The view rebuilds after Added and Edited.
  Outcome Apply(StepList& list, const FieldWriter& writeFields);

 private:
  bool adding_ = false;
  TCommand working_;
  std::uint8_t currentKind_ = 0;
  std::uint64_t shownId_ = 0;
};

}  // namespace vx::editor
