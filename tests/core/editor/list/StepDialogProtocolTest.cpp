#include <gtest/gtest.h>

#include "ListTestSteps.h"
#include "core/Errors.h"
#include "core/editor/list/ListCommands.h"
#include "core/editor/list/StepDialogProtocol.h"

namespace vx::editor {
namespace {

using testing::NumberedList;
using testing::Order;
using testing::Selected;

// A dialog's mapping that fills p1 to p3 and, wrongly, tries the comment too.
StepDialogProtocol::FieldWriter Writes(std::string p1, std::string p2 = "", std::string p3 = "") {
  return [p1, p2, p3](TCommand& step) {
    step.p1 = p1;
    step.p2 = p2;
    step.p3 = p3;
    step.p4 = "from the dialog";
  };
}

TEST(StepDialogProtocol, AddingAppendsAnEnabledStepAtTheEndAndKeepsTheSelection) {
  StepList list = NumberedList(5, {3}, 3);
  StepDialogProtocol dialog;
  ASSERT_TRUE(dialog.Show(true, "Set Clipboard", list));
  EXPECT_EQ(dialog.CurrentKind(), ckSetClipboard);
  EXPECT_EQ(dialog.Working().p1, "");
  EXPECT_EQ(dialog.Apply(list, Writes("var")), StepDialogProtocol::Outcome::Added);
  EXPECT_EQ(Order(list), "1 2 3 4 5 var");
  const TCommand& added = list.Step(5);
  EXPECT_EQ(added.kind, ckSetClipboard);
  EXPECT_EQ(added.enabled, 1);
  EXPECT_EQ(Selected(list), "3");
  EXPECT_EQ(list.Current(), 2);
}

TEST(StepDialogProtocol, ShowingForAnAddClearsWhatTheLastEditLeft) {
  StepList list = NumberedList(2, {1}, 1);
  list.Step(0).p4 = "note";
  StepDialogProtocol dialog;
  dialog.Show(false, "", list);
  dialog.Show(true, "Wait", list);
  EXPECT_EQ(dialog.Working().p1, "");
  EXPECT_EQ(dialog.Working().p4, "");
  EXPECT_EQ(dialog.CurrentKind(), ckWait);
}

TEST(StepDialogProtocol, EditingWritesKindAndFieldsInPlaceKeepingCommentAndEnabled) {
  StepList list = NumberedList(3, {2}, 2);
  TCommand& step = list.Step(1);
  step = {ckMinimizeWindow, "Notepad", "old 2", "old 3", "my note", 0};
  StepDialogProtocol dialog;
  ASSERT_TRUE(dialog.Show(false, "ignored", list));
  EXPECT_EQ(dialog.Working(), step);
  dialog.SetCurrentKind(ckCloseWindow);
  EXPECT_EQ(dialog.Apply(list, Writes("Edit", "two", "three")),
            StepDialogProtocol::Outcome::Edited);
  EXPECT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.Step(1), (TCommand{ckCloseWindow, "Edit", "two", "three", "my note", 0}));
  EXPECT_EQ(Selected(list), "Edit");
}

TEST(StepDialogProtocol, ApplyWritesIntoTheStepThatWasShownEvenAfterTheListMoved) {
  StepList list = NumberedList(4, {3}, 3);
  StepDialogProtocol dialog;
  dialog.Show(false, "", list);
  MoveSelectedUp(list);  // step 3 is now second, and another step is current
  list.SetCurrent(3);
  dialog.Apply(list, Writes("edited"));
  EXPECT_EQ(Order(list), "1 edited 2 4");

  dialog.Show(false, "", list);  // step 4
  list.SetSelected(3, true);
  DeleteSelected(list);
  EXPECT_EQ(dialog.Apply(list, Writes("lost")), StepDialogProtocol::Outcome::StepGone);
  EXPECT_EQ(Order(list), "1 2");
}

TEST(StepDialogProtocol, EditingWithoutACurrentStepShowsNothing) {
  StepList empty;
  StepDialogProtocol dialog;
  EXPECT_FALSE(dialog.Show(false, "", empty));
}

TEST(StepDialogProtocol, AnAddPastTheStepLimitIsRefusedAndTheListUnchanged) {
  StepList list;
  list.Assign(std::vector<TCommand>(MaxListSteps, testing::Numbered(1)));
  StepDialogProtocol dialog;
  dialog.Show(true, "Wait", list);
  EXPECT_THROW(dialog.Apply(list, Writes("one more")), ScriptLimitError);
  EXPECT_EQ(list.Count(), MaxListSteps);
}

TEST(StepDialogProtocol, TheListOpensTheDialogOfTheCurrentStepsKindWhenOneIsSelected) {
  StepList list = NumberedList(3, {}, 2);
  EXPECT_EQ(DecideEditOpening(list).dialog, StepDialog::None);
  EXPECT_FALSE(DecideEditOpening(list).clearAdding);
  list.SetSelected(0, true);  // the current item, not the selection, decides
  list.Step(1).kind = ckSendEmail;
  EXPECT_TRUE(DecideEditOpening(list).clearAdding);
  EXPECT_EQ(DecideEditOpening(list).dialog, StepDialog::Internet);
  list.Step(1).kind = 203;
  EXPECT_EQ(DecideEditOpening(list).dialog, StepDialog::None);
}

}  // namespace
}  // namespace vx::editor
