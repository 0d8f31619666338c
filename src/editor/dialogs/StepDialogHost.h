// What a step dialog needs from the editor's main window, without knowing the window: the
// adding flag, the steps, the action tree's chosen node, and a way to show a changed list.
#pragma once

#include <windows.h>

#include <string>

#include "core/editor/list/StepList.h"

namespace vx::editor {

class StepDialogHost {
 public:
  // True: the dialog opening next adds a step; false: it edits the list's current step.
  virtual bool AddingStep() const = 0;
  virtual StepList& Steps() = 0;
  // The text of the action tree's selected node; empty when none is selected.
  virtual std::string SelectedTreeNodeText() const = 0;
  // The steps changed behind the list box's back: bring the view up to date once.
  virtual void StepsChanged(ListChange change) = 0;
  // The window the dialogs belong to and centre on.
  virtual HWND DialogOwner() const = 0;

 protected:
  ~StepDialogHost() = default;
};

}  // namespace vx::editor
