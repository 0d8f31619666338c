#include <gtest/gtest.h>

#include "DesktopHelper.h"
#include "TempFolder.h"
#include "core/StepKinds.h"
#include "e2e/editor_dialogs_disk/DiskDialogsRig.h"
#include "editor/dialogs/FrmSystem.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::ClickPainted;
using vxtest::InModalLoop;
using vxtest::Shot;
using vxtest::TypeChars;

TCommand Step(std::uint8_t kind, std::string p1 = {}, std::string p2 = {}) {
  TCommand step;
  step.kind = kind;
  step.p1 = std::move(p1);
  step.p2 = std::move(p2);
  return step;
}

class SystemDialogE2E : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Create(host.DialogOwner()); }
  // The link on the band that shows page.
  const win32::TLabelEx& LinkTo(SystemPage page) const {
    for (std::size_t i = 0; i < SystemLinks.size(); ++i)
      if (SystemLinks[i].page == page) return dialog.links[i];
    return dialog.links[0];
  }
  vxtest::RigHost host;
  Tfrmsystem dialog;
  vxtest::TempFolder folder;
};

// Every page composed through its controls, and the script written and read back holds the
// steps as composed.
TEST_F(SystemDialogE2E, ComposesEveryPageIntoTheSavedScript) {
  host.steps.Assign({Step(ckSetVariable, "count", "7"), Step(ckLockComputer, "lock")});

  host.AddFromTree(StepKindName(ckCallDLLFunction));
  InModalLoop({[&] {
                 EXPECT_EQ(dialog.ActivePage(), SystemPage::Dll);
                 TypeChars(dialog.txtdllfunction.Handle(), "MessageBeep");
                 TypeChars(dialog.txtdllother.Handle(), "mine.dll");
                 Click(dialog.rbdlluser.Handle());
                 Shot(dialog.Handle(), "system-dll");
               },
               [&] { Click(dialog.cmdapply.Handle()); }});
  ASSERT_EQ(host.Open(dialog), IDOK);

  // A Set Variable step switched to Wait by its link keeps the value in p2.
  host.EditStep(0);
  InModalLoop({[&] {
                 EXPECT_EQ(dialog.ActivePage(), SystemPage::Variable);
                 EXPECT_EQ(dialog.txtvarvalue.Text(), "7");
                 Shot(dialog.Handle(), "system-variable");
                 ClickPainted(dialog.Handle(), LinkTo(SystemPage::Wait));
               },
               [&] {
                 EXPECT_EQ(dialog.ActivePage(), SystemPage::Wait);
                 EXPECT_EQ(dialog.lblinfocaption.Caption(), StepKindName(ckWait));
                 TypeChars(dialog.txtwait.Handle(), "250");
                 Shot(dialog.Handle(), "system-wait");
                 Click(dialog.cmdapply.Handle());
               }});
  ASSERT_EQ(host.Open(dialog), IDOK);

  // The exit page: its link keeps the kind, a radio button chooses it.
  host.EditStep(1);
  InModalLoop({[&] {
                 EXPECT_EQ(dialog.ActivePage(), SystemPage::Exit);
                 EXPECT_EQ(dialog.lblinfocaption.Caption(), "System States");
                 EXPECT_TRUE(dialog.exitChoices[0].Checked());
                 Shot(dialog.Handle(), "system-exit");
                 Click(dialog.exitChoices[3].Handle());
               },
               [&] { Click(dialog.cmdapply.Handle()); }});
  ASSERT_EQ(host.Open(dialog), IDOK);

  host.AddFromTree(StepKindName(ckExecutionSpeed));
  InModalLoop({[&] {
                 EXPECT_EQ(dialog.ActivePage(), SystemPage::Speed);
                 TypeChars(dialog.txtspeed.Handle(), "fast");
                 Shot(dialog.Handle(), "system-speed");
               },
               [&] { Click(dialog.cmdapply.Handle()); }});
  ASSERT_EQ(host.Open(dialog), IDOK);

  const auto saved = vxtest::SavedAndReadBack(host.steps.Steps(), folder.File("system.vxz"));
  EXPECT_EQ(saved,
            (std::vector<TCommand>{Step(ckWait, "250", "7"), Step(ckRestartWindows, "restart"),
                                   Step(ckCallDLLFunction, "MessageBeep", "user32.dll"),
                                   Step(ckExecutionSpeed, "fast")}));
}

// A radio button acts only when a click checks it: a Wait step shown on the exit page,
// whose "Lock Computer" is still checked from an earlier step, stays a Wait step when that
// button is clicked; clicking another exit kind makes it that kind.
TEST_F(SystemDialogE2E, ClickingTheCheckedExitButtonChangesNothing) {
  host.steps.Assign({Step(ckLockComputer, "lock"), Step(ckWait, "5"), Step(ckWait, "6")});
  host.EditStep(0);
  InModalLoop({[&] { Click(dialog.cmdcancel.Handle()); }});
  ASSERT_EQ(host.Open(dialog), IDCANCEL);

  for (const std::size_t index : {1u, 2u}) {
    win32::TRadioButton& clicked = dialog.exitChoices[index == 1 ? 0 : 4];
    host.EditStep(index);
    InModalLoop({[&] { ClickPainted(dialog.Handle(), LinkTo(SystemPage::Exit)); },
                 [&] {
                   EXPECT_TRUE(dialog.exitChoices[0].Checked());
                   dialog.cmdapply.SetFocus();
                   vxtest::PointerClick(clicked.Handle());
                 },
                 [&] {
                   // Pressed, it takes the focus; released, the click is over.
                   EXPECT_TRUE(vxtest::WaitUntil(
                       [&] {
                         return ::GetFocus() == clicked.Handle() &&
                                !(::SendMessageA(clicked.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
                       },
                       3000));
                   Click(dialog.cmdapply.Handle());
                 }});
    ASSERT_EQ(host.Open(dialog), IDOK) << "editing step " << index;
  }
  EXPECT_EQ(host.steps.Step(1), Step(ckWait, "5"));
  EXPECT_EQ(host.steps.Step(2), Step(ckShutdownWindows, "shutdown"));
}

// Cancel after switching pages and typing stores nothing.
TEST_F(SystemDialogE2E, CancelAfterSwitchingPagesStoresNothing) {
  host.steps.Assign({Step(ckWait, "100")});
  host.EditStep(0);
  InModalLoop({[&] { ClickPainted(dialog.Handle(), LinkTo(SystemPage::Variable)); },
               [&] {
                 TypeChars(dialog.txtvarname.Handle(), "x");
                 Click(dialog.cmdcancel.Handle());
               }});
  EXPECT_EQ(host.Open(dialog), IDCANCEL);
  EXPECT_EQ(host.steps.Step(0), Step(ckWait, "100"));
}

}  // namespace
}  // namespace vx::editor
