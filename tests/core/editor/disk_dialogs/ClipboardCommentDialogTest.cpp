#include <gtest/gtest.h>

#include <vector>

#include "DialogSteps.h"
#include "core/StepKinds.h"
#include "core/editor/dialogs/ClipboardDialog.h"
#include "core/editor/dialogs/CommentDialog.h"
#include "core/editor/dialogs/DeclaredVariables.h"

namespace vxtest {
namespace {

using vx::TCommand;
using namespace vx::editor;

DialogValues Shown(const TCommand& step, const std::vector<std::string>& declared,
                   DialogValues values = InitialValues(ClipboardMapping, ClipboardControlCount)) {
  ShowStepValues(ClipboardMapping, step, {.declared = &declared}, values);
  return values;
}

// The kind of the checked radio button; 0 while none is.
std::uint8_t CheckedKind(const DialogValues& values) {
  const int index = values[cbKindChoice].index;
  return index < 0 ? 0 : ClipboardKinds[static_cast<std::size_t>(index)];
}

// Shows the step at index of script for editing, lets edit change the controls (and the
// kind, as a radio button's click does), applies.
template <typename Edit>
TCommand EditClipboardStep(const std::vector<TCommand>& script, std::size_t index, Edit edit,
                           DialogValues previous = InitialValues(ClipboardMapping,
                                                                 ClipboardControlCount)) {
  DialogValues values =
      Shown(script[index], ListDeclaredVariables(script, index), std::move(previous));
  std::uint8_t kind = script[index].kind;
  edit(kind, values);
  TCommand working = script[index];
  ApplyStepValues(ClipboardMapping, kind, values, working);
  return working;
}

// Shows the step at index and applies it unchanged onto a blank of it: each field comes
// from a control.
TCommand EditUnchanged(const std::vector<TCommand>& script, std::size_t index) {
  const DialogValues values = Shown(script[index], ListDeclaredVariables(script, index));
  TCommand working = Blank(script[index]);
  ApplyStepValues(ClipboardMapping, CheckedKind(values), values, working);
  return working;
}

TEST(ClipboardDialog, EachKindStoresBackTheStepItShowed) {
  const std::vector<TCommand> script{
      Step(vx::ckSetVariable, "name", "x"),
      Step(vx::ckGetClipboard, "name", "", "", "note", 0),
      Step(vx::ckSetClipboard, "Hello %name%", "", "", "note"),
      Step(vx::ckClearClipboard, "", "", "", "note"),
  };
  for (std::size_t i = 1; i < script.size(); ++i) EXPECT_EQ(EditUnchanged(script, i), script[i]);
}

TEST(ClipboardDialog, AVariableNotDeclaredAboveIsStoredEmpty) {
  const std::vector<TCommand> script{
      Step(vx::ckGetClipboard, "later"),
      Step(vx::ckSetVariable, "later", "x"),
  };
  EXPECT_TRUE(Shown(script[0], ListDeclaredVariables(script, 0))[cbVariable].items.empty());
  EXPECT_EQ(EditUnchanged(script, 0), Step(vx::ckGetClipboard, ""));
  // Adding at the end offers it, spelt as declared.
  const DialogValues added =
      Shown(NewStep(vx::ckGetClipboard), ListDeclaredVariables(script, std::nullopt));
  EXPECT_EQ(added[cbVariable].items, std::vector<std::string>{"later"});
  EXPECT_EQ(added[cbVariable].index, -1);
}

TEST(ClipboardDialog, SwitchingKindsKeepsWhatTheNewKindDoesNotWrite) {
  const std::vector<TCommand> script{
      Step(vx::ckSetVariable, "v", "x"),
      Step(vx::ckGetClipboard, "v", "p2", "p3", "note", 0),
      Step(vx::ckSetClipboard, "text"),
  };
  // Get switched to Clear keeps its variable in p1, and everything else.
  EXPECT_EQ(EditClipboardStep(
                script, 1, [](std::uint8_t& kind, DialogValues&) { kind = vx::ckClearClipboard; }),
            Step(vx::ckClearClipboard, "v", "p2", "p3", "note", 0));
  // Set switched to Get stores the chosen variable.
  EXPECT_EQ(EditClipboardStep(script, 2,
                              [](std::uint8_t& kind, DialogValues& values) {
                                kind = vx::ckGetClipboard;
                                values[cbVariable].index = 0;
                              }),
            Step(vx::ckGetClipboard, "v"));
  // Get switched to Set stores whatever the text box held from an earlier use.
  DialogValues earlier = InitialValues(ClipboardMapping, ClipboardControlCount);
  earlier[cbSetText].text = "from before";
  EXPECT_EQ(
      EditClipboardStep(
          script, 1, [](std::uint8_t& kind, DialogValues&) { kind = vx::ckSetClipboard; }, earlier)
          .p1,
      "from before");
}

TEST(CommentDialog, ShowsTheCurrentStepsCommentAndOkCommentsTheSelection) {
  StepList list;
  EXPECT_EQ(ShowComment(list), "") << "an empty list";
  EXPECT_FALSE(CommentSelectedSteps(list, "nobody"));
  list.Assign({Step(vx::ckWait, "1", "", "", "one"), Step(vx::ckWait, "2", "", "", "two"),
               Step(vx::ckWait, "3", "", "", "three")});
  list.SetCurrent(1);
  EXPECT_EQ(ShowComment(list), "two");
  // The current item need not be selected: the selection takes the comment.
  list.SetSelected(0, true);
  list.SetSelected(2, true);
  EXPECT_TRUE(CommentSelectedSteps(list, "new"));
  EXPECT_EQ(list.Step(0).p4 + "," + list.Step(1).p4 + "," + list.Step(2).p4, "new,two,new");
}

}  // namespace
}  // namespace vxtest
