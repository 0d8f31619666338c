#include "editor/dialogs/EditorDialogs.h"

namespace vx::editor {

std::unique_ptr<Tfrmselectobject> frmselectobject;
std::unique_ptr<Tfrmfileop> frmfileop;
std::unique_ptr<Tfrmabout> frmabout;
std::unique_ptr<Tfrmcomment> frmcomment;
std::unique_ptr<Tfrmclipboard> frmclipboard;
std::unique_ptr<Tfrmsystem> frmsystem;
std::unique_ptr<Tfrmoptions> frmoptions;

void CreateEditorDialogs(StepDialogHost& host) {
  // In this order: frmselectobject, frmfileop, frminternet, frmwindow, frmabout, frmsystem,
  // frmuserinput, frmcomment, frmrecord, frmclipboard, frmoptions.
  frmselectobject = std::make_unique<Tfrmselectobject>();
  frmfileop = std::make_unique<Tfrmfileop>();
  frmfileop->Create(host, *frmselectobject);
  // Owned by the disk dialog, which it then keeps from being used while it is up.
  frmselectobject->Create(frmfileop->Handle());
  frmabout = std::make_unique<Tfrmabout>();
  frmabout->Create(host.DialogOwner());
  frmsystem = std::make_unique<Tfrmsystem>();
  frmsystem->Create(host);
  frmcomment = std::make_unique<Tfrmcomment>();
  frmcomment->Create(host);
  frmclipboard = std::make_unique<Tfrmclipboard>();
  frmclipboard->Create(host);
  frmoptions = std::make_unique<Tfrmoptions>();
  frmoptions->Create(host.DialogOwner());
}

void FreeEditorDialogs() {
  frmoptions.reset();
  frmclipboard.reset();
  frmcomment.reset();
  frmsystem.reset();
  frmabout.reset();
  frmfileop.reset();
  frmselectobject.reset();
}

TStepDialog* StepDialogFor(StepDialog dialog) {
  switch (dialog) {
    case StepDialog::Clipboard:
      return frmclipboard.get();
    case StepDialog::System:
      return frmsystem.get();
    case StepDialog::FileOp:
      return frmfileop.get();
    case StepDialog::None:
    case StepDialog::Internet:
    case StepDialog::Window:
    case StepDialog::UserInput:
    case StepDialog::Record:
      break;
  }
  return nullptr;
}

}  // namespace vx::editor
