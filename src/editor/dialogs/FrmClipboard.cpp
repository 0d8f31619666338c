#include "editor/dialogs/FrmClipboard.h"

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
  CreateStepDialog(ClipboardFrame, owner,
                   {
                       {&Label1, {.caption = "Action:", .left = 153, .top = 38}},
                       {&rbcbget,
                        {.caption = "Get From Clipboard",
                         .left = 161,
                         .top = 56,
                         .width = 200,
                         .height = 17,
                         .style = WS_GROUP | WS_TABSTOP}},
                       {&Label2, {.caption = "Write to variable:", .left = 179, .top = 78}},
                       {&cmbwritevar, {.left = 179, .top = 94, .width = 243, .height = 21}},
                       {&rbcbset,
                        {.caption = "Set Clipboard",
                         .left = 161,
                         .top = 124,
                         .width = 200,
                         .height = 17,
                         .style = WS_TABSTOP}},
                       {&Label3, {.caption = "Populate With", .left = 179, .top = 146}},
                       {&txtcbset, {.left = 179, .top = 162, .width = 243, .height = 21}},
                       {&rbcbclear,
                        {.caption = "Clear Clipboard",
                         .left = 161,
                         .top = 192,
                         .width = 200,
                         .height = 17,
                         .style = WS_TABSTOP}},
                   });
  rbcbget.OnClick = [this] { SetCurrentKind(ckGetClipboard); };
  rbcbset.OnClick = [this] { SetCurrentKind(ckSetClipboard); };
  rbcbclear.OnClick = [this] { SetCurrentKind(ckClearClipboard); };
}

ClipboardValues Tfrmclipboard::Values() const {
  ClipboardValues values;
  if (rbcbget.Checked()) values.checkedKind = ckGetClipboard;
  if (rbcbset.Checked()) values.checkedKind = ckSetClipboard;
  if (rbcbclear.Checked()) values.checkedKind = ckClearClipboard;
  values.variable = ReadVariableBox(cmbwritevar);
  values.setText = txtcbset.Text();
  return values;
}

void Tfrmclipboard::FillControls() {
  const ClipboardShown shown = ShowClipboardStep(ShownStep(), DeclaredVariables(), Values());
  SetCurrentKind(shown.kind);
  rbcbget.SetChecked(shown.values.checkedKind == ckGetClipboard);
  rbcbset.SetChecked(shown.values.checkedKind == ckSetClipboard);
  rbcbclear.SetChecked(shown.values.checkedKind == ckClearClipboard);
  txtcbset.SetText(shown.values.setText);
  ShowVariableBox(cmbwritevar, shown.values.variable);
  SetHeading(shown.title, shown.description);
}

void Tfrmclipboard::WriteFields(TCommand& step) {
  ApplyClipboardStep(CurrentKind(), Values(), step);
}

}  // namespace vx::editor
