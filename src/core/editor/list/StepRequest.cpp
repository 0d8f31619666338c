#include "core/editor/list/StepRequest.h"

#include "core/StepKinds.h"
#include "core/editor/dialogs/DeclaredVariables.h"
#include "core/editor/list/ListCommands.h"

namespace vx::editor {

std::optional<StepRequest> MakeStepRequest(bool adding, const std::string& treeNodeText,
                                           const StepList& list) {
  StepRequest request;
  request.adding = adding;
  if (adding) {
    request.working.kind = StepKindFromName(treeNodeText);
    request.declared = ListDeclaredVariables(list.Steps(), std::nullopt);
    request.full = list.Count() >= MaxListSteps;
    return request;
  }
  if (list.Current() == NoItem) return std::nullopt;
  const auto index = static_cast<std::size_t>(list.Current());
  request.working = list.Step(index);
  request.declared = ListDeclaredVariables(list.Steps(), index);
  request.editedId = list.Id(index);
  return request;
}

void CheckStepApply(const StepRequest& request) {
  if (request.adding && request.full) CheckRoomFor(MaxListSteps, 1);
}

CommitOutcome CommitStep(const StepRequest& request, const TCommand& result, StepList& list) {
  if (request.adding) {
    CheckRoomFor(list.Count(), 1);
    TCommand added = request.working;
    added.kind = result.kind;
    added.p1 = result.p1;
    added.p2 = result.p2;
    added.p3 = result.p3;
    AppendStep(list, added);
    return CommitOutcome::Added;
  }
  // Found again by its id, never by the current item's index.
  const std::int32_t index = list.IndexOfId(request.editedId);
  if (index == NoItem) return CommitOutcome::StepGone;
  TCommand& step = list.Step(static_cast<std::size_t>(index));
  step.kind = result.kind;
  step.p1 = result.p1;
  step.p2 = result.p2;
  step.p3 = result.p3;
  return CommitOutcome::Edited;
}

EditOpening DecideEditOpening(const StepList& list) {
  if (list.FirstSelected() == NoItem) return {};
  EditOpening opening{true, StepFamily::None};
  if (list.Current() != NoItem) {
    opening.dialog = FamilyOfKind(list.Step(static_cast<std::size_t>(list.Current())).kind);
  }
  return opening;
}

}  // namespace vx::editor
