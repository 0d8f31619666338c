// The add-or-edit protocol every step dialog follows, as a request and a result. The main
// window builds a StepRequest (adding from the action tree, or editing the list's current
// step), a dialog shows it and hands back the step its Apply made, and the main window
// commits that step: appended as the last step, or written back over the step that was
// shown. A dialog never reaches back into the main window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Command.h"
#include "core/editor/list/ActionTree.h"
#include "core/editor/list/StepList.h"

namespace vx::editor {

struct StepRequest {
  bool adding = false;
  // The step the dialog shows: a cleared one when adding, a copy of the edited step
  // (comment and enabled byte included) otherwise. Its kind is the kind to show: the
  // tree's kind (StepKindFromName of the chosen node) or the edited step's own.
  TCommand working;
  // The variables a variable box offers to this step (ListDeclaredVariables).
  std::vector<std::string> declared;
  // Adding to a script that holds the most steps a file can: Apply is refused.
  bool full = false;
  // The edited step's id, so the result goes back to it wherever it stands.
  std::uint64_t editedId = 0;
};

// Adding: a cleared step of the kind the tree's chosen node names. Editing: the list's
// current step. nullopt when editing with no current item (there is nothing to show).
std::optional<StepRequest> MakeStepRequest(bool adding, const std::string& treeNodeText,
                                           const StepList& list);

// Apply's own check before a dialog's: an add into a full script raises ScriptLimitError
// and the dialog stays open.
void CheckStepApply(const StepRequest& request);

// A dialog's Apply on the request's working step: the kind it shows now and the fields
// that kind uses; the comment and the enabled byte stay as the request had them.
enum class CommitOutcome {
  Added,     // appended as the last step, enabled, the selection as it was
  Edited,    // the shown step got the kind and p1..p3; its comment and enabled byte stay
  StepGone,  // the shown step left the list meanwhile: nothing changed
};
CommitOutcome CommitStep(const StepRequest& request, const TCommand& result, StepList& list);

// The list's double-click and "Properties": which dialog edits the current step, and
// whether the adding flag is cleared (it is whenever a step is selected). Nothing when no
// step is selected, nor for a kind that no dialog serves.
struct EditOpening {
  bool clearAdding = false;
  StepFamily dialog = StepFamily::None;
};
EditOpening DecideEditOpening(const StepList& list);

}  // namespace vx::editor
