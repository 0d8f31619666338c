#include <gtest/gtest.h>

#include "ListTestSteps.h"
#include "core/Errors.h"
#include "core/editor/list/ListCommands.h"
#include "core/editor/list/StepBlock.h"

namespace vx::editor {
namespace {

using testing::CurrentStep;
using testing::NumberedList;
using testing::Order;
using testing::Selected;

// Copy, then paste: what the clipboard would carry between the two, decoded again.
std::vector<TCommand> ThroughClipboard(const StepList& list) {
  return DecodeStepBlock(BuildStepBlock(list)).value();
}

TEST(ListCommands, CopyThenPasteAfterTheCurrentStepKeepsTheCopiedOrderUnselected) {
  StepList list = NumberedList(5, {2, 4}, 5);
  const auto block = ThroughClipboard(list);
  EXPECT_EQ(PasteBlock(list, block), ListChange::Rebuild);
  EXPECT_EQ(Order(list), "1 2 3 4 5 2 4");
  EXPECT_EQ(Selected(list), "2 4");  // the originals only
  EXPECT_EQ(list.Current(), 4);
}

TEST(ListCommands, CutRemovesTheSelectionAndPastesBackAfterTheCurrentStep) {
  StepList list = NumberedList(5, {2, 4}, 1);
  const auto block = ThroughClipboard(list);
  EXPECT_EQ(DeleteSelected(list), ListChange::Rebuild);
  EXPECT_EQ(Order(list), "1 3 5");
  list.SetCurrent(0);
  PasteBlock(list, block);
  EXPECT_EQ(Order(list), "1 2 4 3 5");
  EXPECT_EQ(Selected(list), "");
  EXPECT_EQ(CurrentStep(list), "1");
}

TEST(ListCommands, OnlyAnEmptyListHasNoCurrentStepSoOnlyThereDoesPasteGoToTheTop) {
  // A document just opened has the caret on its first step.
  StepList opened;
  opened.Assign({testing::Numbered(1), testing::Numbered(2)});
  PasteBlock(opened, ThroughClipboard(NumberedList(3, {3})));
  EXPECT_EQ(Order(opened), "1 3 2");

  const StepList source = NumberedList(5, {1, 3, 5}, 1);
  StepList target;
  PasteBlock(target, ThroughClipboard(source));
  EXPECT_EQ(Order(target), "1 3 5");
  // The first pasted step became current: a second paste goes after it.
  PasteBlock(target, ThroughClipboard(NumberedList(2, {2})));
  EXPECT_EQ(Order(target), "1 2 3 5");
}

TEST(ListCommands, PasteFromAClipboardWithoutAStepBlockShowsTheFormatMessage) {
  StepList list = NumberedList(3, {}, 2);
  const std::optional<std::string_view> refused[] = {std::nullopt, "text\0"};
  for (const auto& clipboard : refused) {
    const PasteOutcome outcome = PasteFromClipboard(list, clipboard);
    EXPECT_EQ(outcome.message, "UnSupported Clipboard Format");
    EXPECT_EQ(outcome.change, ListChange::None);
  }
  EXPECT_EQ(Order(list), "1 2 3");

  const std::string block = BuildStepBlock(NumberedList(2, {1}));
  const PasteOutcome pasted = PasteFromClipboard(list, block);
  EXPECT_EQ(pasted.message, "");
  EXPECT_EQ(Order(list), "1 2 1 3");
  const PasteOutcome empty = PasteFromClipboard(list, EncodeStepBlock({}));
  EXPECT_EQ(empty.message, "");
  EXPECT_EQ(empty.change, ListChange::None);
}

TEST(ListCommands, PastePastTheStepLimitIsRefusedWholeNamingTheLimit) {
  StepList list = NumberedList(3, {}, 1);
  const std::vector<TCommand> fits(MaxListSteps - 3, testing::Numbered(9));
  PasteBlock(list, fits);
  EXPECT_EQ(list.Count(), MaxListSteps);
  try {
    PasteBlock(list, std::vector<TCommand>{testing::Numbered(7)});
    FAIL() << "pasted past the limit";
  } catch (const ScriptLimitError& e) {
    EXPECT_NE(std::string(e.Message()).find("65535"), std::string::npos) << e.Message();
  }
  EXPECT_EQ(list.Count(), MaxListSteps);
}

// Delete takes every selected step out. The current item, which decides where the next
// Paste goes, stays on its step; when its step went, it moves to the step that followed it,
// else to the last step, else to none.
TEST(ListCommands, DeleteKeepsTheCurrentStepSoTheNextPasteGoesAfterIt) {
  const struct {
    std::vector<int> selected;
    int current;
    const char* pasted;  // what is left, then one step pasted (P)
  } cases[] = {
      {{1, 2}, 4, "3 4 P 5"},
      {{1, 3, 5}, 3, "2 4 P"},
      {{4, 5}, 5, "1 2 3 P"},
      {{1, 2, 3, 4, 5}, 2, "P"},
  };
  TCommand pasted = testing::Numbered(0);
  pasted.p1 = "P";
  for (const auto& c : cases) {
    StepList list = NumberedList(5, c.selected, c.current);
    EXPECT_EQ(DeleteSelected(list), ListChange::Rebuild);
    PasteBlock(list, std::vector<TCommand>{pasted});
    EXPECT_EQ(Order(list), c.pasted) << "current step " << c.current;
  }
  StepList none = NumberedList(3, {}, 2);
  EXPECT_EQ(DeleteSelected(none), ListChange::None);
  EXPECT_EQ(Order(none), "1 2 3");
}

TEST(ListCommands, SelectAllSelectsEveryStepAndKeepsTheCurrentItem) {
  StepList list = NumberedList(4, {2}, 3);
  EXPECT_EQ(SelectAllSteps(list), ListChange::Selection);
  EXPECT_EQ(Selected(list), "1 2 3 4");
  EXPECT_EQ(CurrentStep(list), "3");
  StepList empty;
  EXPECT_EQ(SelectAllSteps(empty), ListChange::None);
}

TEST(ListCommands, EnableDisableTogglesEachSelectedStepByItself) {
  StepList list = NumberedList(4, {1, 2, 3}, 1);
  list.Step(1).enabled = 0;
  list.Step(2).enabled = 2;  // from a foreign file: runs, so it counts as enabled
  EXPECT_EQ(ToggleEnabled(list), ListChange::Repaint);
  EXPECT_EQ(list.Step(0).enabled, 0);
  EXPECT_EQ(list.Step(1).enabled, 1);
  EXPECT_EQ(list.Step(2).enabled, 0);
  EXPECT_EQ(list.Step(3).enabled, 1);  // not selected
  ToggleEnabled(list);
  EXPECT_EQ(list.Step(0).enabled, 1);
  EXPECT_EQ(list.Step(1).enabled, 0);
  EXPECT_EQ(list.Step(2).enabled, 1);
}

struct MoveCase {
  std::vector<int> selected;
  const char* order;
};

TEST(ListCommands, MoveUpGathersTheSelectionAboveTheFirstSelectedStep) {
  const MoveCase cases[] = {
      {{2, 4}, "2 4 1 3 5"},    {{3, 4}, "1 3 4 2 5"}, {{1, 3}, "1 2 3 4 5"},
      {{2, 3, 5}, "2 3 5 1 4"}, {{}, "1 2 3 4 5"},     {{5}, "1 2 3 5 4"},
  };
  for (const MoveCase& c : cases) {
    StepList list = NumberedList(5, c.selected, 1);
    const std::string before = Selected(list);
    MoveSelectedUp(list);
    EXPECT_EQ(Order(list), c.order) << "selected " << before;
    EXPECT_EQ(Selected(list), before);
    EXPECT_EQ(CurrentStep(list), "1");  // the caret stays on its step
  }
}

TEST(ListCommands, MoveDownGathersTheSelectionBelowTheLastSelectedStep) {
  const MoveCase cases[] = {
      {{1, 3}, "2 4 1 3 5"}, {{5}, "1 2 3 4 5"}, {{2, 3}, "1 4 2 3 5"},
      {{1, 4}, "2 3 5 1 4"}, {{}, "1 2 3 4 5"},  {{1}, "2 1 3 4 5"},
  };
  for (const MoveCase& c : cases) {
    StepList list = NumberedList(5, c.selected, 3);
    const std::string before = Selected(list);
    MoveSelectedDown(list);
    EXPECT_EQ(Order(list), c.order) << "selected " << before;
    EXPECT_EQ(Selected(list), before);
    EXPECT_EQ(CurrentStep(list), "3");
  }
}

TEST(ListCommands, AppendAddsAnEnabledStepAtTheEndLeavingTheSelection) {
  StepList list = NumberedList(3, {2}, 2);
  TCommand step = testing::Numbered(9);
  step.enabled = 0;
  AppendStep(list, step);
  EXPECT_EQ(Order(list), "1 2 3 9");
  EXPECT_EQ(list.Step(3).enabled, 1);
  EXPECT_EQ(Selected(list), "2");
  EXPECT_EQ(CurrentStep(list), "2");
}

}  // namespace
}  // namespace vx::editor
