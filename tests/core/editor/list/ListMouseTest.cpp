#include <gtest/gtest.h>

#include "ListTestSteps.h"
#include "core/editor/list/ListMouse.h"

namespace vx::editor {
namespace {

using testing::CurrentStep;
using testing::NumberedList;
using testing::Order;
using testing::Selected;

// Step 2 of five is dragged: a plain left press selected it alone and made it current.
TEST(ListDrop, PlacesTheStepInFrontOfTheOneUnderTheDropPoint) {
  struct Case {
    std::int32_t under;
    const char* order;
  };
  const Case cases[] = {
      {3, "1 3 2 4 5"},       // on step 4
      {0, "2 1 3 4 5"},       // on step 1
      {NoItem, "1 3 4 5 2"},  // below the last step
      {1, "1 2 3 4 5"},       // on itself
      {2, "1 2 3 4 5"},       // on the step just below: in front of it is where it was
  };
  for (const Case& c : cases) {
    StepList list = NumberedList(5, {2}, 2);
    EXPECT_EQ(DropStep(list, c.under), ListChange::Rebuild);
    EXPECT_EQ(Order(list), c.order) << "dropped on " << c.under;
    EXPECT_EQ(Selected(list), "2");
    EXPECT_EQ(CurrentStep(list), "2");
  }
}

MouseShift Right() {
  return {.right = true};
}
MouseShift Left() {
  return {.left = true};
}

TEST(ListPress, RightPressSelectsThePressedStepAloneWhenAtMostOneIsSelected) {
  StepList list = NumberedList(5, {1}, 1);
  ApplyPress(list, DecidePress(Right(), list.SelectedCount(), 3));
  EXPECT_EQ(Selected(list), "4");
  EXPECT_EQ(CurrentStep(list), "4");  // so "Properties" opens the step that was clicked

  StepList three = NumberedList(5, {1, 2, 3}, 1);
  EXPECT_EQ(ApplyPress(three, DecidePress(Right(), three.SelectedCount(), 4)), ListChange::None);
  EXPECT_EQ(Selected(three), "1 2 3");
  EXPECT_EQ(CurrentStep(three), "1");
}

TEST(ListPress, AnyPressBelowTheLastStepDeselectsEverything) {
  for (const MouseShift& shift : {Right(), Left(), MouseShift{.left = true, .ctrl = true}}) {
    StepList list = NumberedList(5, {1, 2, 3}, 2);
    const PressDecision decision = DecidePress(shift, list.SelectedCount(), NoItem);
    EXPECT_FALSE(decision.armDrag);
    EXPECT_EQ(ApplyPress(list, decision), ListChange::Selection);
    EXPECT_EQ(Selected(list), "");
  }
}

TEST(ListPress, OnlyAPlainLeftPressOnAStepArmsADrag) {
  EXPECT_TRUE(DecidePress(Left(), 1, 2).armDrag);
  const MouseShift noDrag[] = {
      Right(),
      {.left = true, .shift = true},
      {.left = true, .ctrl = true},
      {.left = true, .alt = true},
      {.left = true, .doubleClick = true},
      {.left = true, .right = true},
  };
  for (const MouseShift& shift : noDrag) EXPECT_FALSE(DecidePress(shift, 1, 2).armDrag);
}

TEST(ListGeometryRules, ItemUnderAPointAndTheInsertionLineFollowTheScrollPosition) {
  const ListGeometry scrolled{.topIndex = 65530, .itemHeight = 40, .count = 65540};
  EXPECT_EQ(ItemAtY(scrolled, 0), 65530);
  EXPECT_EQ(ItemAtY(scrolled, 39), 65530);
  EXPECT_EQ(ItemAtY(scrolled, 40 * 9 + 5), 65539);
  EXPECT_EQ(ItemAtY(scrolled, 40 * 10), NoItem);
  EXPECT_EQ(InsertionCandidateY(scrolled, 65531), 40);
  EXPECT_EQ(InsertionCandidateY(scrolled, NoItem), 399);  // bottom of the last step minus 1
}

TEST(ListGeometryRules, TheInsertionLineIsRedrawnOnlyWhenItMoves) {
  InsertionLine line;
  const auto first = line.MoveTo(80);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->erase, NoInsertionLine);
  EXPECT_EQ(first->draw, 80);
  EXPECT_FALSE(line.MoveTo(80).has_value());
  const auto second = line.MoveTo(120);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->erase, 80);
  line.Hide();
  EXPECT_EQ(line.MoveTo(120)->erase, NoInsertionLine);
}

}  // namespace
}  // namespace vx::editor
