// The clipboard dialog (Tfrmclipboard): Get, Set and Clear Clipboard: its mapping table.
#pragma once

#include <array>

#include "core/editor/dialogs/DialogMapping.h"

namespace vx::editor {

// The controls that hold step fields, as the mapping numbers them.
enum ClipboardControl : int {
  cbKindChoice,  // rbcbget, rbcbset, rbcbclear: the radio button checked is the kind
  cbVariable,    // cmbwritevar
  cbSetText,     // txtcbset
  ClipboardControlCount
};

// The kinds of the radio buttons, in the order of cbKindChoice's buttons.
extern const std::array<std::uint8_t, 3> ClipboardKinds;

// Which control stands for which field of which kind. The form as created has no radio
// button checked and both boxes empty; closing empties nothing. A show checks the step's
// radio button; a Set Clipboard step fills the text box, which keeps what it held for the
// other kinds; the variable box is refilled with the declared variables at every show and,
// for Get Clipboard, shows the step's variable when it is offered, else nothing. Clear
// Clipboard writes no field, so a step switched to it keeps its old p1.
extern const std::array<ControlBinding, ClipboardControlCount> ClipboardMapping;

}  // namespace vx::editor
