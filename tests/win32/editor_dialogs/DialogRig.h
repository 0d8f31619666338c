// Shared by the dialog tests: a stand-in for the main window (its steps, the adding flag,
// the tree's chosen node, and how it asks a dialog and commits the answer) and a way to act
// on a modal dialog from inside its own loop.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/editor/dialogs/CommentDialog.h"
#include "core/editor/list/StepList.h"
#include "core/editor/list/StepRequest.h"
#include "editor/dialogs/FrmComment.h"
#include "editor/dialogs/StepDialog.h"
#include "win32/forms/Form.h"

namespace vx {
// Steps in a failed expectation: their fields, not their bytes.
inline void PrintTo(const TCommand& step, std::ostream* out) {
  *out << "{kind " << int(step.kind) << ", \"" << step.p1 << "\", \"" << step.p2 << "\", \""
       << step.p3 << "\", comment \"" << step.p4 << "\", enabled " << int(step.enabled) << "}";
}
}  // namespace vx

namespace vxtest {

inline const vx::win32::FormDef RigOwnerForm = {
    .className = "TVxDialogRigOwner", .caption = "Owner", .width = 400, .height = 300};

class RigHost {
 public:
  RigHost() {
    owner.CreateForm(RigOwnerForm, {});
    owner.SetBounds({200, 150, 500, 400});  // room around it for the dialogs centred on it
    owner.Show();
  }
  HWND DialogOwner() const { return owner.Handle(); }

  // Asks a step dialog as the main window does and commits its answer: IDOK when a step
  // was committed, IDCANCEL when the dialog gave none (or had nothing to show).
  int Open(vx::editor::TStepDialog& dialog) {
    const auto request = vx::editor::MakeStepRequest(adding, treeNode, steps);
    if (!request) return IDCANCEL;
    const auto step = dialog.Edit(*request);
    if (!step) return IDCANCEL;
    if (vx::editor::CommitStep(*request, *step, steps) != vx::editor::CommitOutcome::StepGone)
      ++refreshes;
    return IDOK;
  }
  // The comment dialog as the main window asks it.
  int Open(vx::editor::Tfrmcomment& dialog) {
    const auto comment = dialog.Edit(vx::editor::ShowComment(steps));
    if (!comment) return IDCANCEL;
    if (vx::editor::CommentSelectedSteps(steps, *comment)) ++refreshes;
    return IDOK;
  }

  // Editing the step at index: it becomes the only selected step and the current item.
  void EditStep(std::size_t index) {
    adding = false;
    steps.SelectAll(false);
    steps.SetSelected(index, true);
    steps.SetCurrent(static_cast<std::int32_t>(index));
  }
  void AddFromTree(std::string node) {
    adding = true;
    treeNode = std::move(node);
  }

  vx::win32::TForm owner;
  vx::editor::StepList steps;
  bool adding = true;
  std::string treeNode;
  int refreshes = 0;
};

// Runs actions in the modal loop that starts next, each on a thread timer of its own: the
// dialog's show handler has run before the first, and what one action posts has been
// handled before the next (a timer fires only when no other message waits).
inline std::vector<std::function<void()>>& PendingActions() {
  static std::vector<std::function<void()>> actions;
  return actions;
}
inline void CALLBACK RunNextAction(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  auto& actions = PendingActions();
  if (actions.empty()) return;
  std::function<void()> action = std::move(actions.front());
  actions.erase(actions.begin());
  if (!actions.empty()) ::SetTimer(nullptr, 0, 0, RunNextAction);
  action();
}
inline void InModalLoop(std::vector<std::function<void()>> actions) {
  PendingActions() = std::move(actions);
  ::SetTimer(nullptr, 0, 0, RunNextAction);
}

// A button pressed as the user does it (the click notification included).
inline void Click(HWND button) {
  ::SendMessageA(button, BM_CLICK, 0, 0);
}

// A key as the keyboard delivers it: through the loop's dialog-key handling.
inline void PostKey(HWND window, UINT key) {
  ::PostMessageA(window, WM_KEYDOWN, key, 0);
  ::PostMessageA(window, WM_KEYUP, key, 0);
}

}  // namespace vxtest
