#include <gtest/gtest.h>

#include <vector>

#include "DialogSteps.h"
#include "core/StepKinds.h"
#include "core/editor/dialogs/SystemDialog.h"

namespace vxtest {
namespace {

using vx::TCommand;
using vx::editor::ApplySystemStep;
using vx::editor::DllChoice;
using vx::editor::ShowSystemStep;
using vx::editor::SystemLinkClick;
using vx::editor::SystemLinks;
using vx::editor::SystemPage;
using vx::editor::SystemShown;
using vx::editor::SystemValues;

template <typename Edit>
TCommand ShowEditApply(const TCommand& step, Edit edit, SystemValues previous = {}) {
  SystemShown shown = ShowSystemStep(step, std::move(previous));
  edit(shown);
  TCommand working = step;
  ApplySystemStep(shown.view.kind, shown.values, working);
  return working;
}

// Shows step and applies it unchanged onto a blank of it: each field comes from a control.
TCommand ShowApply(const TCommand& step, SystemValues previous = {}) {
  const SystemShown shown = ShowSystemStep(step, std::move(previous));
  TCommand working = Blank(step);
  ApplySystemStep(shown.view.kind, shown.values, working);
  return working;
}

const vx::editor::SystemLink& Link(SystemPage page) {
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
    const auto shown = ShowSystemStep(c.step, {});
    EXPECT_EQ(shown.view.page, c.page);
    EXPECT_EQ(shown.view.kind, c.step.kind);
    // An exit kind checks its own radio button, the first and the last of the range too.
    if (c.page == SystemPage::Exit) {
      EXPECT_EQ(shown.values.exitKind, c.step.kind);
    }
    EXPECT_EQ(ShowApply(c.step), c.step) << vx::StepKindName(c.step.kind);
  }
  EXPECT_EQ(ShowSystemStep(NewStep(vx::ckSetVariable), {}).view.title, "Set Variable");
}

TEST(SystemDialog, AnExitKindShowsTheSharedPageAndStoresItsWord) {
  const auto lock = ShowSystemStep(NewStep(vx::ckLockComputer), {});
  EXPECT_EQ(lock.view.title, "System States");
  EXPECT_EQ(lock.view.description, vx::StepKindDescription(vx::ckLogOFFCurrentUser));
  EXPECT_EQ(lock.values.exitKind, vx::ckLockComputer);
  EXPECT_EQ(ShowApply(NewStep(vx::ckLockComputer)), Step(vx::ckLockComputer, "lock"));
}

TEST(SystemDialog, DllChoiceIsExactAndAnEmptyNameKeepsTheLastChoice) {
  // Another spelling of a system DLL goes to "Other:" and is stored unchanged.
  const auto other = ShowSystemStep(Step(vx::ckCallDLLFunction, "F", "Kernel32.dll"), {});
  EXPECT_EQ(other.values.dll, DllChoice::Other);
  EXPECT_EQ(other.values.dllOther, "Kernel32.dll");

  // No DLL button ever checked: "Other:"'s text, empty when nothing was typed.
  EXPECT_EQ(ShowApply(NewStep(vx::ckCallDLLFunction)).p2, "");
  SystemValues typed;
  typed.dllOther = "mine.dll";
  EXPECT_EQ(ShowApply(NewStep(vx::ckCallDLLFunction), typed).p2, "mine.dll");

  // A browsed file fills "Other:" but a checked system DLL wins.
  SystemValues user;
  user.dll = DllChoice::User;
  user.dllOther = "C:\\browsed.dll";
  EXPECT_EQ(ShowApply(Step(vx::ckCallDLLFunction, "F", ""), user).p2, "user32.dll");
}

TEST(SystemDialog, SwitchingPagesWritesOnlyTheCurrentKind) {
  // Wait, then the exit link without a radio click: still a Wait with txtwait's text.
  const TCommand wait = ShowEditApply(Step(vx::ckWait, "5", "keep"), [](SystemShown& s) {
    s.values.wait = "6";
    s.view = SystemLinkClick(Link(SystemPage::Exit), s.view.kind);
  });
  EXPECT_EQ(wait, Step(vx::ckWait, "6", "keep"));

  // Set Variable switched to Wait keeps the value in p2.
  SystemValues earlier;
  earlier.wait = "100";
  const TCommand switched = ShowEditApply(
      Step(vx::ckSetVariable, "v", "value", "", "note"),
      [](SystemShown& s) { s.view = SystemLinkClick(Link(SystemPage::Wait), s.view.kind); },
      earlier);
  EXPECT_EQ(switched, Step(vx::ckWait, "100", "value", "", "note"));

  // A radio button of the exit page chooses the kind; the step keeps its p2.
  const TCommand restart = ShowEditApply(Step(vx::ckLockComputer, "lock", "x"), [](SystemShown& s) {
    s.values.exitKind = s.view.kind = vx::ckRestartWindows;
  });
  EXPECT_EQ(restart, Step(vx::ckRestartWindows, "restart", "x"));
}

}  // namespace
}  // namespace vxtest
