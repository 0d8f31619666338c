#include <gtest/gtest.h>

#include <vector>

#include "DialogSteps.h"
#include "core/StepKinds.h"
#include "core/editor/MappedDialog.h"
#include "core/editor/dialogs/SystemDialog.h"
#include "core/editor/dialogs/UnheldBoxes.h"

namespace vxtest {
namespace {

using vx::TCommand;
using namespace vx::editor;

const MappedDialog Dialog{SystemMapping, SystemControlCount};

const SystemLink& Link(SystemPage page) {
  for (const auto& link : SystemLinks)
    if (link.page == page) return link;
  throw std::logic_error("no link");
}

TEST(SystemDialog, EveryPageShowsItsStepAndStoresItBack) {
  const struct {
    TCommand step;
    SystemPage page;
  } cases[] = {
      {Step(vx::ckWait, "1000", "", "", "note", 0), SystemPage::Wait},
      {Step(vx::ckWait, "not a number"), SystemPage::Wait},
      {Step(vx::ckExecutionSpeed, "250"), SystemPage::Speed},
      {Step(vx::ckCallDLLFunction, "MessageBeep(0)", "user32.dll"), SystemPage::Dll},
      {Step(vx::ckCallDLLFunction, "Beep", "kernel32.dll"), SystemPage::Dll},
      {Step(vx::ckCallDLLFunction, "Arc", "gdi32.dll"), SystemPage::Dll},
      {Step(vx::ckCallDLLFunction, "F", "C:\\my.dll"), SystemPage::Dll},
      {Step(vx::ckShutdownWindows, "shutdown"), SystemPage::Exit},
      {Step(vx::ckRestartWindows, "restart"), SystemPage::Exit},
      {Step(vx::ckHibernateSystem, "hibernate"), SystemPage::Exit},
      {Step(vx::ckLockComputer, "lock", "", "", "note"), SystemPage::Exit},
      {Step(vx::ckLogOFFCurrentUser, "logoff"), SystemPage::Exit},
      {Step(vx::ckSetVariable, "name", "Hello %other%", "", "note", 0), SystemPage::Variable},
  };
  for (const auto& c : cases) {
    const SystemView view = SystemViewOf(c.step.kind);
    EXPECT_EQ(view.page, c.page);
    EXPECT_EQ(view.kind, c.step.kind);
    const DialogValues values = Dialog.Shown(c.step);
    // An exit kind checks its own radio button, the first and the last of the range too.
    if (c.page == SystemPage::Exit) {
      EXPECT_EQ(SystemExitChoices[values[scExitChoice].index].kind, c.step.kind);
    }
    EXPECT_EQ(Dialog.Applied(c.step.kind, values, Blank(c.step)), c.step)
        << vx::StepKindName(c.step.kind);
  }
}

TEST(SystemDialog, DllChoiceIsExactAndAnEmptyNameKeepsTheLastChoice) {
  // Another spelling of a system DLL goes to "Other:" and is stored unchanged.
  const DialogValues other = Dialog.Shown(Step(vx::ckCallDLLFunction, "F", "Kernel32.dll"));
  EXPECT_EQ(other[scDllChoice].index, dllOther);
  EXPECT_EQ(other[scDllOther].text, "Kernel32.dll");

  // No DLL button ever checked: "Other:"'s text, empty when nothing was typed.
  const TCommand dll = NewStep(vx::ckCallDLLFunction);
  EXPECT_EQ(Dialog.Applied(dll.kind, Dialog.Shown(dll), dll).p2, "");
  DialogValues typed = Dialog.Fresh();
  typed[scDllOther].text = "mine.dll";
  EXPECT_EQ(Dialog.Applied(dll.kind, Dialog.Shown(dll, typed), dll).p2, "mine.dll");

  // A browsed file fills "Other:" but a checked system DLL wins, and an empty name keeps it.
  DialogValues user = Dialog.Fresh();
  user[scDllChoice].index = dllUser;
  user[scDllOther].text = "C:\\browsed.dll";
  EXPECT_EQ(
      Dialog.Applied(dll.kind, Dialog.Shown(Step(vx::ckCallDLLFunction, "F", ""), user), dll).p2,
      "user32.dll");

  // A library the ANSI code page cannot name in "Other:" is refused while "Other:" is what
  // Apply stores, and only then.
  user[scDllOther].text = "C:\\?ib.dll";
  user[scDllOther].held = false;
  EXPECT_EQ(UnheldControl(SystemMapping, vx::ckCallDLLFunction, user), std::nullopt);
  user[scDllChoice].index = dllOther;
  EXPECT_EQ(UnheldControl(SystemMapping, vx::ckCallDLLFunction, user), scDllOther);
  // A step shown later puts its own library there, which is held.
  const DialogValues shown = Dialog.Shown(Step(vx::ckCallDLLFunction, "F", "C:\\my.dll"), user);
  EXPECT_EQ(shown[scDllOther].text, "C:\\my.dll");
  EXPECT_TRUE(shown[scDllOther].held);
}

TEST(SystemDialog, SwitchingPagesWritesOnlyTheCurrentKind) {
  // Wait, then the exit link without a radio click: still a Wait with txtwait's text.
  const TCommand wait = Step(vx::ckWait, "5", "keep");
  DialogValues values = Dialog.Shown(wait);
  values[scWait].text = "6";
  const SystemView exit = SystemLinkClick(Link(SystemPage::Exit), wait.kind);
  EXPECT_EQ(Dialog.Applied(exit.kind, values, wait), Step(vx::ckWait, "6", "keep"));

  // Set Variable switched to Wait keeps the value in p2; the Wait box kept its text.
  DialogValues earlier = Dialog.Fresh();
  earlier[scWait].text = "100";
  const TCommand variable = Step(vx::ckSetVariable, "v", "value", "", "note");
  const SystemView toWait = SystemLinkClick(Link(SystemPage::Wait), variable.kind);
  EXPECT_EQ(Dialog.Applied(toWait.kind, Dialog.Shown(variable, earlier), variable),
            Step(vx::ckWait, "100", "value", "", "note"));

  // A radio button of the exit page chooses the kind; the step keeps its p2.
  const TCommand lock = Step(vx::ckLockComputer, "lock", "x");
  EXPECT_EQ(Dialog.Applied(vx::ckRestartWindows, Dialog.Shown(lock), lock),
            Step(vx::ckRestartWindows, "restart", "x"));
}

}  // namespace
}  // namespace vxtest
