#include <gtest/gtest.h>

#include "DesktopHelper.h"
#include "TempFolder.h"
#include "core/StepKinds.h"
#include "e2e/editor_dialogs_disk/DiskDialogsRig.h"
#include "editor/dialogs/FrmSystem.h"
#include "win32/editor_dialogs/UserAtDialog.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::ClickPainted;
using vxtest::InModalLoop;
using vxtest::Shot;

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

// Every control of every page, found by the label or caption a user reads beside it, is
// given a value of its own, and the script holds each value in its own field: each DLL
// button its own DLL, the "Other:" box the DLL chosen with its browse button. Each step is
// added from the node of another kind and made its own by a link or a radio button.
TEST_F(SystemDialogE2E, EveryControlStoresItsOwnField) {
  using namespace vxtest::user;
  const std::string dll = folder.File("mine.dll");
  const std::vector<Row> rows = {
      {"Wait",
       {Link("Call DLL Function"), Type({"Function:"}, "KernelFunction"), ClickOn("kernel32.dll")},
       Step(ckCallDLLFunction, "KernelFunction", "kernel32.dll")},
      {"Call DLL Function",
       {Type({"Function:"}, "UserFunction"), ClickOn("user32.dll")},
       Step(ckCallDLLFunction, "UserFunction", "user32.dll")},
      {"Call DLL Function",
       {Type({"Function:"}, "GdiFunction"), ClickOn("gdi32.dll")},
       Step(ckCallDLLFunction, "GdiFunction", "gdi32.dll")},
      {"Call DLL Function",
       {Type({"Function:"}, "OtherFunction"), ClickOn("Other:"), Browse({"Other:"}, dll, dll)},
       Step(ckCallDLLFunction, "OtherFunction", dll)},
      {"Execution Speed",
       {Link("Wait"), Type({"Wait For (millisecond):"}, "1500")},
       Step(ckWait, "1500")},
      {"Wait",
       {Link("Execution Speed"), Type({"Execution Speed:"}, "250")},
       Step(ckExecutionSpeed, "250")},
      {"Wait",
       {Link("Set Variable"), Type({"Variable Name:"}, "the-name"), Type({"Value:"}, "the-value")},
       Step(ckSetVariable, "the-name", "the-value")},
      {"Wait",
       {Link("Exit Windows", "System States"), ClickOn("Hibernate System")},
       Step(ckHibernateSystem, "hibernate")},
  };
  const auto look = [&](const Row& row) { Shot(dialog.Handle(), StepKindName(row.stored.kind)); };
  const std::vector<TCommand> expected = AddEach(host, dialog, rows, nullptr, look);
  EXPECT_EQ(vxtest::SavedAndReadBack(host.steps.Steps(), folder.File("system.vxz")), expected);
}

// A script holds at most 65535 steps: Apply on one more is refused with the error reported
// while the dialog stays open, so what was typed is not lost; the list stays as it was.
TEST_F(SystemDialogE2E, AnAddToAFullScriptIsRefusedWhileTheDialogStays) {
  using namespace vxtest::user;
  host.steps.Assign(std::vector<TCommand>(MaxListSteps, Step(ckWait, "1")));
  auto box = std::make_shared<vxtest::AnsweredBox>();
  AddThenCancel(host, dialog, "Wait",
                {Type({"Wait For (millisecond):"}, "2"), PressRefused("Apply", box)});
  EXPECT_NE(box->text.find("65535"), std::string::npos) << box->text;
  EXPECT_EQ(host.steps.Count(), MaxListSteps);
}

// A library the ANSI code page cannot name, typed into "Other:" ("Łib.dll", whose look-alike
// "Lib.dll" the player would load and call), is refused at Apply, and nothing is stored.
TEST_F(SystemDialogE2E, ALibraryNameOutsideTheCodePageIsRefused) {
  using namespace vxtest::user;
  auto said = std::make_shared<vxtest::AnsweredBox>();
  AddThenCancel(host, dialog, "Call DLL Function",
                {Type({"Function:"}, "F"), ClickOn("Other:"),
                 TypeWhole({"Other:"}, folder.Path().wstring() + L"\\\u0141ib.dll"),
                 PressRefused("Apply", said)});
  EXPECT_NE(said->text.find("\"Other:\""), std::string::npos) << said->text;
  EXPECT_NE(said->text.find(folder.File("?ib.dll")), std::string::npos) << said->text;
  EXPECT_EQ(host.steps.Count(), 0u);
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

}  // namespace
}  // namespace vx::editor
