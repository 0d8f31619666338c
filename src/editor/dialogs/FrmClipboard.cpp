#include "editor/dialogs/FrmClipboard.h"

#include <vector>

#include "core/StepKinds.h"

namespace vx::editor {

namespace {

const StepDialogFrame ClipboardFrame = {
    .className = "Tfrmclipboard",
    .caption = "Clipboard",
    .width = 438,
    .height = 257,
    .heading = "Clipboard",
    // Esc does not close this dialog; only Cancel does.
    .escapeCancels = false,
};

}  // namespace

void Tfrmclipboard::Create(HWND owner) {
  // The radio buttons are the first three in the tab order, one group: a checked radio button
  // is the group's one tab stop, so the dialog opens with the focus on the checked kind.
  CreateStepDialog(
      ClipboardFrame, owner,
      {
          {&Label1, {.caption = "Action:", .left = 153, .top = 38}},
          {&rbcbget,
           {.caption = "Get From Clipboard",
            .left = 161,
            .top = 56,
            .width = 200,
            .height = 17,
            .style = WS_GROUP | WS_TABSTOP}},
          {&rbcbset,
           {.caption = "Set Clipboard",
            .left = 161,
            .top = 124,
            .width = 200,
            .height = 17,
            .style = WS_TABSTOP}},
          {&rbcbclear,
           {.caption = "Clear Clipboard",
            .left = 161,
            .top = 192,
            .width = 200,
            .height = 17,
            .style = WS_TABSTOP}},
          {&Label2, {.caption = "Write to variable:", .left = 179, .top = 78}},
          {&cmbwritevar, {.left = 179, .top = 94, .width = 243, .height = 21, .style = WS_GROUP}},
          {&Label3, {.caption = "Populate With", .left = 179, .top = 146}},
          {&txtcbset, {.left = 179, .top = 162, .width = 243, .height = 21}},
      });
  // In the order of ClipboardKinds; a button that becomes checked chooses its kind.
  const std::vector<win32::TRadioButton*> choices{&rbcbget, &rbcbset, &rbcbclear};
  for (std::size_t i = 0; i < choices.size(); ++i)
    choices[i]->OnClick = [this, i] { SetCurrentKind(ClipboardKinds[i]); };
  BindMapping(ClipboardMapping, {RadioGroup{choices}, RefilledList{&cmbwritevar}, &txtcbset});
}

void Tfrmclipboard::FillControls() {
  ShowMappedStep();
  // The heading is Get Clipboard's whatever the kind.
  ShowKindHeading(ckGetClipboard);
}

void Tfrmclipboard::WriteFields(TCommand& step) {
  ApplyMappedStep(step);
}

}  // namespace vx::editor
