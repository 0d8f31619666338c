// A step dialog's real controls under the numbers its mapping table (DialogMapping.h) names
// them by. The dialog lists them once, in the order of its numbers; showing and Apply copy
// every value in or out through these few functions and know nothing of the fields.
#pragma once

#include <span>
#include <variant>
#include <vector>

#include "core/editor/dialogs/DialogMapping.h"
#include "editor/dialogs/ListBoxEx.h"
#include "win32/forms/StdControls.h"
#include "win32/forms/TrackBar.h"

namespace vx::editor {

// Radio buttons of which one is chosen: the value's index (-1: none checked).
struct RadioGroup {
  std::vector<win32::TRadioButton*> buttons;
};
// A drop-down list whose items the mapping refills (a variable box): items and index.
struct RefilledList {
  win32::TComboBox* list = nullptr;
};

// An edit box (text), a check box (checked), a radio group or a fixed drop-down list or a
// track bar (index), a refilled list (items and index), a criteria list (text).
using BoundControl = std::variant<win32::TEdit*, win32::TCheckBox*, RadioGroup, win32::TComboBox*,
                                  RefilledList, TListBoxEx*, win32::TTrackBar*>;

DialogValues ReadControls(std::span<const BoundControl> controls);
void ShowControls(std::span<const BoundControl> controls, const DialogValues& values);

}  // namespace vx::editor
