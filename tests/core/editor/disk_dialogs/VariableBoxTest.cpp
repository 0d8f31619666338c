#include <gtest/gtest.h>

#include <vector>

#include "DialogSteps.h"
#include "core/StepKinds.h"
#include "core/editor/dialogs/DeclaredVariables.h"
#include "core/editor/dialogs/VariableBox.h"

namespace vxtest {
namespace {

using vx::editor::FindVariableEntry;
using vx::editor::ListDeclaredVariables;
using Names = std::vector<std::string>;

std::vector<vx::TCommand> Script() {
  return {Step(vx::ckSetVariable, "first", "1"),
          Step(vx::ckWait, "10"),
          Step(vx::ckSetVariable, "my name", "2", "", "", 0),  // disabled
          Step(vx::ckWriteToFile, "C:\\out.txt", "first", "o"),
          Step(vx::ckSetVariable, "first", "3"),
          Step(vx::ckSetVariable, " padded ", "4"),
          Step(vx::ckSetVariable, "", "5")};
}

TEST(DeclaredVariables, AddingOffersEveryNameAsSpeltInListOrder) {
  // Blanks inside and around a name stay, a disabled step counts, a name declared twice is
  // offered twice, and an empty name is an entry of its own.
  EXPECT_EQ(ListDeclaredVariables(Script(), std::nullopt),
            (Names{"first", "my name", "first", " padded ", ""}));
}

TEST(DeclaredVariables, EditingOffersTheStepsDownToTheEditedOne) {
  const auto steps = Script();
  EXPECT_EQ(ListDeclaredVariables(steps, 3), (Names{"first", "my name"}));
  EXPECT_EQ(ListDeclaredVariables(steps, 4), (Names{"first", "my name", "first"}))
      << "the edited step itself counts";
  EXPECT_EQ(ListDeclaredVariables(steps, 0), Names{"first"});
  EXPECT_EQ(ListDeclaredVariables(steps, 1000).size(), 5u) << "an index past the end";
  EXPECT_TRUE(ListDeclaredVariables({}, std::nullopt).empty());
  EXPECT_TRUE(ListDeclaredVariables({}, 0).empty());
}

TEST(VariableBox, ChoosesTheSameSpellingBeforeOneThatDiffersInCase) {
  const Names names{"Total", "count", "TOTAL", "total"};
  EXPECT_EQ(FindVariableEntry(names, "total"), 3u);
  EXPECT_EQ(FindVariableEntry(names, "TOTAL"), 2u);
  // No entry spelt that way: the first one that differs only in letter case.
  EXPECT_EQ(FindVariableEntry(names, "toTal"), 0u);
  EXPECT_EQ(FindVariableEntry(names, "COUNT"), 1u);
}

TEST(VariableBox, FoldsTheAnsiCapitalsAsThePlayerDoes) {
  // \xC4 is A diaeresis, \xE4 its small letter; \x8A S caron, \x9A its small letter.
  EXPECT_EQ(FindVariableEntry({"\xE4rger", "\x9A"}, "\xC4RGER"), 0u);
  EXPECT_EQ(FindVariableEntry({"\xE4rger", "\x9A"}, "\x8A"), 1u);
  // The multiplication sign has no small letter.
  EXPECT_FALSE(FindVariableEntry({"\xF7"}, "\xD7"));
}

TEST(VariableBox, ShowsNothingForANameNotOffered) {
  EXPECT_FALSE(FindVariableEntry({"a", "b"}, "c"));
  EXPECT_FALSE(FindVariableEntry({"ab"}, "a")) << "no prefix match";
  EXPECT_FALSE(FindVariableEntry({}, ""));
}

}  // namespace
}  // namespace vxtest
