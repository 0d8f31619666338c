// The clipboard dialog (Tfrmclipboard): Get, Set and Clear Clipboard, both ways.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Command.h"
#include "core/editor/dialogs/VariableBox.h"

namespace vx::editor {

// What the controls hold; the defaults are the form as created. checkedKind is the code of
// the checked radio button (rbcbclear 197, rbcbset 198, rbcbget 199), 0 while none is; a
// radio button that becomes checked makes its code the current step kind.
struct ClipboardValues {
  std::uint8_t checkedKind = 0;
  VariableBox variable;  // cmbwritevar
  std::string setText;   // txtcbset
};

struct ClipboardShown {
  std::uint8_t kind;  // the current step kind
  // The heading is Get Clipboard's name and description whatever the kind.
  std::string title;
  std::string description;
  ClipboardValues values;
};

// FormShow: the step's radio button is checked; a Set Clipboard step fills the text box
// (for the other kinds it keeps what previous held); the variable box is refilled with
// declared (ListDeclaredVariables) and, for Get Clipboard, shows the step's variable when
// it is offered, else nothing.
ClipboardShown ShowClipboardStep(const TCommand& step, const std::vector<std::string>& declared,
                                 ClipboardValues previous);

// Apply never refuses: the working step takes kind and, for Set Clipboard the text, for
// Get Clipboard the variable box's text (empty when nothing is chosen). Clear Clipboard
// writes no field, so a step switched to it keeps its old p1.
void ApplyClipboardStep(std::uint8_t kind, const ClipboardValues& values, TCommand& working);

}  // namespace vx::editor
