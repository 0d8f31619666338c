#include <gtest/gtest.h>

#include <vector>

#include "core/StepKinds.h"
#include "editor/dialogs/FrmClipboard.h"
#include "win32/editor_dialogs/DialogRig.h"
#include "win32/editor_dialogs/UserAtDialog.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;

TCommand Step(std::uint8_t kind, std::string p1 = {}, std::string comment = {}) {
  TCommand step;
  step.kind = kind;
  step.p1 = std::move(p1);
  step.p4 = std::move(comment);
  return step;
}

class ClipboardDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Create(host.DialogOwner()); }
  vxtest::RigHost host;
  Tfrmclipboard dialog;
};

// Each radio button, found by its caption, gives the step its kind, and each box, found by
// the label beside it, its text; the heading reads "Get Clipboard" whatever the kind. Each
// step is added from the node of another kind.
TEST_F(ClipboardDialogTest, EveryControlStoresItsOwnField) {
  using namespace vxtest::user;
  const std::vector<Row> rows = {
      {"Clear Clipboard",
       {ClickOn("Set Clipboard"), Type({"Populate With"}, "clip text"), Reads("Get Clipboard")},
       Step(ckSetClipboard, "clip text")},
      {"Set Clipboard",
       {ClickOn("Get From Clipboard"), Choose({"Write to variable:"}, "second"),
        Reads("Get Clipboard")},
       Step(ckGetClipboard, "second")},
      {"Get Clipboard",
       {ClickOn("Clear Clipboard"), Reads("Get Clipboard")},
       Step(ckClearClipboard)},
  };
  std::vector<TCommand> expected = {Step(ckSetVariable, "first"), Step(ckSetVariable, "second")};
  host.steps.Assign(expected);
  for (const TCommand& step : AddEach(host, dialog, rows)) expected.push_back(step);
  EXPECT_EQ(std::vector<TCommand>(host.steps.Steps().begin(), host.steps.Steps().end()), expected);
}

// A window holds no zero byte; what the dialog showed and was not changed is kept whole.
TEST_F(ClipboardDialogTest, AStepAppliedUnchangedKeepsEveryByte) {
  const std::string text("line\0more", 9);
  const std::string name("v\0w", 3);
  host.steps.Assign(
      {Step(ckSetVariable, name), Step(ckSetClipboard, text), Step(ckGetClipboard, name)});
  for (const std::size_t index : {1u, 2u}) {
    host.EditStep(index);
    InModalLoop({[&] { Click(dialog.cmdapply.Handle()); }});
    EXPECT_EQ(host.Open(dialog), IDOK);
  }
  EXPECT_EQ(host.steps.Step(1), Step(ckSetClipboard, text));
  EXPECT_EQ(host.steps.Step(2), Step(ckGetClipboard, name));
}

TEST_F(ClipboardDialogTest, EscapeLeavesItOpenAndCancelStoresNothing) {
  host.steps.Assign({Step(ckGetClipboard, "undeclared")});
  host.EditStep(0);
  bool openAfterEscape = false;
  InModalLoop({[&] {
                 EXPECT_EQ(dialog.cmbwritevar.ItemIndex(), -1);
                 vxtest::PostKey(dialog.txtcbset.Handle(), VK_ESCAPE);
               },
               [&] {
                 openAfterEscape = dialog.Modal();
                 Click(dialog.rbcbclear.Handle());
                 Click(dialog.cmdcancel.Handle());
               }});
  EXPECT_EQ(host.Open(dialog), IDCANCEL);
  EXPECT_TRUE(openAfterEscape);
  EXPECT_EQ(host.steps.Step(0), Step(ckGetClipboard, "undeclared"));
  EXPECT_EQ(host.refreshes, 0);
}

}  // namespace
}  // namespace vx::editor
