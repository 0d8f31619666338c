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
using vx::editor::ApplyClipboardStep;
using vx::editor::ClipboardValues;
using vx::editor::ShowClipboardStep;

// Shows the step at index of script for editing, lets edit change the controls, applies.
template <typename Edit>
TCommand EditClipboardStep(const std::vector<TCommand>& script, std::size_t index, Edit edit,
                           ClipboardValues previous = {}) {
  const auto declared = vx::editor::ListDeclaredVariables(script, index);
  auto shown = ShowClipboardStep(script[index], declared, std::move(previous));
  std::uint8_t kind = shown.kind;
  edit(kind, shown.values);
  TCommand working = script[index];
  ApplyClipboardStep(kind, shown.values, working);
  return working;
}

// Shows the step at index and applies it unchanged onto a blank of it: each field comes
// from a control.
TCommand EditUnchanged(const std::vector<TCommand>& script, std::size_t index) {
  const auto shown = ShowClipboardStep(
      script[index], vx::editor::ListDeclaredVariables(script, index), ClipboardValues{});
  TCommand working = Blank(script[index]);
  ApplyClipboardStep(shown.kind, shown.values, working);
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

  const auto shown = ShowClipboardStep(script[2], {}, {});
  EXPECT_EQ(shown.kind, vx::ckSetClipboard);
  EXPECT_EQ(shown.values.checkedKind, vx::ckSetClipboard);
  EXPECT_EQ(shown.title, "Get Clipboard") << "the heading is the same for all three kinds";
}

TEST(ClipboardDialog, AVariableNotDeclaredAboveIsStoredEmpty) {
  const std::vector<TCommand> script{
      Step(vx::ckGetClipboard, "later"),
      Step(vx::ckSetVariable, "later", "x"),
  };
  const auto shown = ShowClipboardStep(script[0], vx::editor::ListDeclaredVariables(script, 0), {});
  EXPECT_TRUE(shown.values.variable.entries.empty());
  EXPECT_EQ(EditUnchanged(script, 0), Step(vx::ckGetClipboard, ""));
  // Adding at the end offers it, spelt as declared.
  const auto added = ShowClipboardStep(NewStep(vx::ckGetClipboard),
                                       vx::editor::ListDeclaredVariables(script, std::nullopt), {});
  EXPECT_EQ(added.values.variable.entries, std::vector<std::string>{"later"});
  EXPECT_FALSE(added.values.variable.selected);
}

TEST(ClipboardDialog, SwitchingKindsKeepsWhatTheNewKindDoesNotWrite) {
  const std::vector<TCommand> script{
      Step(vx::ckSetVariable, "v", "x"),
      Step(vx::ckGetClipboard, "v", "p2", "p3", "note", 0),
      Step(vx::ckSetClipboard, "text"),
  };
  // Get switched to Clear keeps its variable in p1, and everything else.
  EXPECT_EQ(EditClipboardStep(script, 1,
                              [](std::uint8_t& kind, ClipboardValues& values) {
                                kind = vx::ckClearClipboard;
                                values.checkedKind = kind;
                              }),
            Step(vx::ckClearClipboard, "v", "p2", "p3", "note", 0));
  // Set switched to Get stores the chosen variable.
  EXPECT_EQ(EditClipboardStep(script, 2,
                              [](std::uint8_t& kind, ClipboardValues& values) {
                                kind = vx::ckGetClipboard;
                                values.variable.selected = 0;
                              }),
            Step(vx::ckGetClipboard, "v"));
  // Get switched to Set stores whatever the text box held from an earlier use.
  ClipboardValues earlier;
  earlier.setText = "from before";
  EXPECT_EQ(EditClipboardStep(
                script, 1, [](std::uint8_t& kind, ClipboardValues&) { kind = vx::ckSetClipboard; },
                earlier)
                .p1,
            "from before");
}

TEST(CommentDialog, ShowsTheCurrentStepsCommentAndOkCommentsTheSelection) {
  using vx::editor::CommentSelectedSteps;
  using vx::editor::ShowComment;
  vx::editor::StepList list;
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
