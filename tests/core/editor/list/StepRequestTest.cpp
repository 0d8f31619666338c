#include <gtest/gtest.h>

#include "ListTestSteps.h"
#include "core/Errors.h"
#include "core/editor/list/ListCommands.h"
#include "core/editor/list/StepRequest.h"

namespace vx::editor {
namespace {

using testing::NumberedList;
using testing::Order;
using testing::Selected;

// What a dialog's Apply hands back: a kind and p1 to p3 of its own, and, wrongly, a
// comment and enabled byte of its own too, which the commit must not take.
TCommand Applied(const StepRequest&, std::uint8_t kind, std::string p1, std::string p2 = "",
                 std::string p3 = "") {
  return {kind, std::move(p1), std::move(p2), std::move(p3), "from the dialog", 0};
}

TEST(StepRequest, AddingAppendsAnEnabledStepAtTheEndAndKeepsTheSelection) {
  StepList list = NumberedList(5, {3}, 3);
  list.Step(4) = {ckSetVariable, "name", "", "", "", 0};  // disabled, still declared
  const StepRequest request = MakeStepRequest(true, "Set Clipboard", list).value();
  EXPECT_EQ(request.working, (TCommand{ckSetClipboard, "", "", "", "", 1}));
  EXPECT_EQ(request.declared, std::vector<std::string>{"name"});
  EXPECT_EQ(CommitStep(request, Applied(request, ckSetClipboard, "var"), list),
            CommitOutcome::Added);
  EXPECT_EQ(Order(list), "1 2 3 4 name var");
  EXPECT_EQ(list.Step(5), (TCommand{ckSetClipboard, "var", "", "", "", 1}));
  EXPECT_EQ(Selected(list), "3");
  EXPECT_EQ(list.Current(), 2);
}

TEST(StepRequest, EditingWritesKindAndFieldsInPlaceKeepingCommentAndEnabled) {
  StepList list = NumberedList(3, {2}, 2);
  list.Step(0) = {ckSetVariable, "above", "", "", "", 1};
  list.Step(2) = {ckSetVariable, "below", "", "", "", 1};
  TCommand& step = list.Step(1);
  step = {ckMinimizeWindow, "Notepad", "old 2", "old 3", "my note", 0};
  const StepRequest request = MakeStepRequest(false, "ignored", list).value();
  EXPECT_EQ(request.working, step);
  EXPECT_EQ(request.declared, std::vector<std::string>{"above"});
  EXPECT_EQ(CommitStep(request, Applied(request, ckCloseWindow, "Edit", "two", "three"), list),
            CommitOutcome::Edited);
  EXPECT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.Step(1), (TCommand{ckCloseWindow, "Edit", "two", "three", "my note", 0}));
  EXPECT_EQ(Selected(list), "Edit");
}

TEST(StepRequest, TheResultGoesToTheStepThatWasShownEvenAfterTheListMoved) {
  StepList list = NumberedList(4, {3}, 3);
  const StepRequest third = MakeStepRequest(false, "", list).value();
  MoveSelectedUp(list);  // step 3 is now second, and another step is current
  list.SetCurrent(3);
  CommitStep(third, Applied(third, ckWait, "edited"), list);
  EXPECT_EQ(Order(list), "1 edited 2 4");

  const StepRequest fourth = MakeStepRequest(false, "", list).value();
  list.SetSelected(3, true);
  DeleteSelected(list);
  EXPECT_EQ(CommitStep(fourth, Applied(fourth, ckWait, "lost"), list), CommitOutcome::StepGone);
  EXPECT_EQ(Order(list), "1 2");
}

TEST(StepRequest, EditingWithoutACurrentStepShowsNothing) {
  EXPECT_FALSE(MakeStepRequest(false, "", StepList{}).has_value());
}

// A full script refuses an added step at Apply, while the dialog is still open; a step of
// it can still be edited.
TEST(StepRequest, AnAddPastTheStepLimitIsRefusedAndTheListUnchanged) {
  StepList list;
  list.Assign(std::vector<TCommand>(MaxListSteps, testing::Numbered(1)));
  const StepRequest request = MakeStepRequest(true, "Wait", list).value();
  EXPECT_THROW(CheckStepApply(request), ScriptLimitError);
  EXPECT_THROW(CommitStep(request, Applied(request, ckWait, "one more"), list), ScriptLimitError);
  EXPECT_EQ(list.Count(), MaxListSteps);
  const StepRequest edit = MakeStepRequest(false, "", list).value();
  EXPECT_NO_THROW(CheckStepApply(edit));
  EXPECT_EQ(CommitStep(edit, Applied(edit, ckWait, "edited"), list), CommitOutcome::Edited);
  EXPECT_EQ(list.Step(0).p1, "edited");
  list.SetSelected(0, true);
  DeleteSelected(list);
  EXPECT_NO_THROW(CheckStepApply(MakeStepRequest(true, "Wait", list).value()));
}

TEST(StepRequest, TheListOpensTheDialogOfTheCurrentStepsKindWhenOneIsSelected) {
  StepList list = NumberedList(3, {}, 2);
  EXPECT_EQ(DecideEditOpening(list).dialog, StepFamily::None);
  EXPECT_FALSE(DecideEditOpening(list).clearAdding);
  list.SetSelected(0, true);  // the current item, not the selection, decides
  list.Step(1).kind = ckSendEmail;
  EXPECT_TRUE(DecideEditOpening(list).clearAdding);
  EXPECT_EQ(DecideEditOpening(list).dialog, StepFamily::Internet);
  list.Step(1).kind = 203;
  EXPECT_EQ(DecideEditOpening(list).dialog, StepFamily::None);
}

}  // namespace
}  // namespace vx::editor
