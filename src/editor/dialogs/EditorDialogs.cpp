#include "editor/dialogs/EditorDialogs.h"

namespace vx::editor {

std::unique_ptr<Tfrmclipboard> frmclipboard;

void CreateEditorDialogs(StepDialogHost& host) {
  // In this order: frmselectobject, frmfileop, frminternet, frmwindow, frmabout, frmsystem,
  // frmuserinput, frmcomment, frmrecord, frmclipboard, frmoptions.
  frmclipboard = std::make_unique<Tfrmclipboard>();
  frmclipboard->Create(host);
}

void FreeEditorDialogs() {
  frmclipboard.reset();
}

TStepDialog* StepDialogFor(StepDialog dialog) {
  switch (dialog) {
    case StepDialog::Clipboard:
      return frmclipboard.get();
    case StepDialog::None:
    case StepDialog::FileOp:
    case StepDialog::Internet:
    case StepDialog::Window:
    case StepDialog::UserInput:
    case StepDialog::System:
    case StepDialog::Record:
      break;
  }
  return nullptr;
}

}  // namespace vx::editor
