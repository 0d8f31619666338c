#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "editor/dialogs/FrmClipboard.h"
#include "win32/editor_dialogs/DialogRig.h"

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

TEST_F(ClipboardDialogTest, AddsAGetClipboardStepWithADeclaredVariableAtTheEnd) {
  host.steps.Assign({Step(ckSetVariable, "name"), Step(ckWait, "10"), Step(ckSetVariable, "x")});
  host.steps.SetSelected(1, true);
  host.AddFromTree("Get Clipboard");
  std::vector<std::string> offered;
  InModalLoop({[&] {
    for (int i = 0; i < dialog.cmbwritevar.Count(); ++i)
      offered.push_back(dialog.cmbwritevar.ItemText(i));
    EXPECT_TRUE(dialog.rbcbget.Checked());
    EXPECT_EQ(dialog.lblinfocaption.Caption(), "Get Clipboard");
    dialog.cmbwritevar.SetItemIndex(1);
    Click(dialog.cmdapply.Handle());
  }});
  EXPECT_EQ(host.Open(dialog), IDOK);
  EXPECT_EQ(offered, (std::vector<std::string>{"name", "x"}));
  ASSERT_EQ(host.steps.Count(), 4u);
  EXPECT_EQ(host.steps.Step(3), Step(ckGetClipboard, "x"));
  EXPECT_TRUE(host.steps.IsSelected(1));
  EXPECT_FALSE(host.steps.IsSelected(3));
  EXPECT_EQ(host.refreshes, 1);
}

TEST_F(ClipboardDialogTest, EditsInPlaceKeepingCommentAndEnabledByte) {
  TCommand set = Step(ckSetClipboard, "hello", "note");
  set.enabled = 0;
  host.steps.Assign({Step(ckSetVariable, "v"), set, Step(ckWait, "1")});
  host.EditStep(1);
  InModalLoop({[&] {
    EXPECT_TRUE(dialog.rbcbset.Checked());
    EXPECT_EQ(dialog.txtcbset.Text(), "hello");
    EXPECT_EQ(dialog.lblinfocaption.Caption(), "Get Clipboard") << "whatever the kind";
    Click(dialog.rbcbget.Handle());
    dialog.cmbwritevar.SetItemIndex(0);
    Click(dialog.cmdapply.Handle());
  }});
  EXPECT_EQ(host.Open(dialog), IDOK);
  TCommand expected = Step(ckGetClipboard, "v", "note");
  expected.enabled = 0;
  ASSERT_EQ(host.steps.Count(), 3u);
  EXPECT_EQ(host.steps.Step(1), expected);
  EXPECT_TRUE(host.steps.IsSelected(1));
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
