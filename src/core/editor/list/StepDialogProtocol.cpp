#include "core/editor/list/StepDialogProtocol.h"

#include "core/StepKinds.h"
#include "core/editor/list/ListCommands.h"

namespace vx::editor {

EditOpening DecideEditOpening(const StepList& list) {
  if (list.FirstSelected() == NoItem) return {};
  EditOpening opening{true, StepDialog::None};
  if (list.Current() != NoItem) {
    opening.dialog = FamilyOfKind(list.Step(static_cast<std::size_t>(list.Current())).kind);
  }
  return opening;
}

bool StepDialogProtocol::Show(bool adding, const std::string& treeNodeText, const StepList& list) {
  if (adding) {
    ClearStep(working_);
    currentKind_ = StepKindFromName(treeNodeText);
  } else {
    if (list.Current() == NoItem) return false;
    const auto index = static_cast<std::size_t>(list.Current());
    working_ = list.Step(index);
    currentKind_ = working_.kind;
    shownId_ = list.Id(index);
  }
  adding_ = adding;
  return true;
}

StepDialogProtocol::Outcome StepDialogProtocol::Apply(StepList& list,
                                                      const FieldWriter& writeFields) {
  if (adding_) CheckRoomFor(list.Count(), 1);
  working_.kind = currentKind_;
  if (writeFields) writeFields(working_);
  if (adding_) {
    AppendStep(list, working_);
    return Outcome::Added;
  }
  // A dialog that leaves the main window usable may see the list change before Apply:
  // the step shown is found again by its id, never by the current item's index.
  const std::int32_t index = list.IndexOfId(shownId_);
  if (index == NoItem) return Outcome::StepGone;
  TCommand& step = list.Step(static_cast<std::size_t>(index));
  step.kind = working_.kind;
  step.p1 = working_.p1;
  step.p2 = working_.p2;
  step.p3 = working_.p3;
  return Outcome::Edited;
}

}  // namespace vx::editor
