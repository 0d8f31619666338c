// A step dialog's real controls under the numbers its mapping table (DialogMapping.h) names
// them by. The dialog lists them once, in the order of its numbers; showing and Apply copy
// every value in or out through these few functions and know nothing of the fields.
#pragma once

#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "core/editor/dialogs/DialogMapping.h"
#include "editor/dialogs/ListBoxEx.h"
#include "win32/forms/Form.h"
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
// A box that keeps names whole (win32::TNameEdit, TSubFieldNameEdit): its text and whether
// the ANSI code page holds it. label is the control beside it whose caption names it.
struct NameBox {
  win32::TEdit* box = nullptr;
  const win32::TControl* label = nullptr;
};

// An edit box (text), a check box (checked), a radio group or a fixed drop-down list or a
// track bar (index), a refilled list (items and index), a criteria list (text), a name box
// (text and held).
using BoundControl = std::variant<win32::TEdit*, win32::TCheckBox*, RadioGroup, win32::TComboBox*,
                                  RefilledList, TListBoxEx*, win32::TTrackBar*, NameBox>;

DialogValues ReadControls(std::span<const BoundControl> controls);
// A name box whose text the code page cannot hold keeps it: only the box holds it whole.
void ShowControls(std::span<const BoundControl> controls, const DialogValues& values);

// Apply's check of the name boxes (see UnheldBoxes.h): when a box whose field Apply of kind
// stores holds a text the ANSI code page cannot hold, the warning shows over form, the box
// takes the focus with its text selected, and the answer is true: Apply stores nothing.
bool RefuseUnheldText(const win32::TForm& form, DialogMap map, std::uint8_t kind,
                      std::span<const BoundControl> controls);
// The same for one box that is no mapping's.
bool RefuseUnheldText(const win32::TForm& form, const NameBox& name);

}  // namespace vx::editor
