#include "editor/dialogs/EditorDialogs.h"

namespace vx::editor {

std::unique_ptr<Tfrmselectobject> frmselectobject;
std::unique_ptr<Tfrmfileop> frmfileop;
std::unique_ptr<Tfrmabout> frmabout;
std::unique_ptr<Tfrmcomment> frmcomment;
std::unique_ptr<Tfrmclipboard> frmclipboard;
std::unique_ptr<Tfrminternet> frminternet;
std::unique_ptr<Tfrmwindow> frmwindow;
std::unique_ptr<Tfrmuserinput> frmuserinput;
std::unique_ptr<Tfrmrecord> frmrecord;
std::unique_ptr<Tfrmsystem> frmsystem;
std::unique_ptr<Tfrmoptions> frmoptions;

void CreateEditorDialogs(HWND owner) {
  // In this order: frmselectobject, frmfileop, frminternet, frmwindow, frmabout, frmsystem,
  // frmuserinput, frmcomment, frmrecord, frmclipboard, frmoptions.
  frmselectobject = std::make_unique<Tfrmselectobject>();
  frmfileop = std::make_unique<Tfrmfileop>();
  frmfileop->Create(owner, *frmselectobject);
  // Owned by the disk dialog, which it then keeps from being used while it is up.
  frmselectobject->Create(frmfileop->Handle());
  frminternet = std::make_unique<Tfrminternet>();
  frminternet->Create(owner);
  frmwindow = std::make_unique<Tfrmwindow>();
  frmwindow->Create(owner);
  frmabout = std::make_unique<Tfrmabout>();
  frmabout->Create(owner);
  frmsystem = std::make_unique<Tfrmsystem>();
  frmsystem->Create(owner);
  frmuserinput = std::make_unique<Tfrmuserinput>();
  frmuserinput->Create(owner);
  frmcomment = std::make_unique<Tfrmcomment>();
  frmcomment->Create(owner);
  frmrecord = std::make_unique<Tfrmrecord>();
  frmrecord->Create(owner);
  frmclipboard = std::make_unique<Tfrmclipboard>();
  frmclipboard->Create(owner);
  frmoptions = std::make_unique<Tfrmoptions>();
  frmoptions->Create(owner);
}

void FreeEditorDialogs() {
  frmoptions.reset();
  frmclipboard.reset();
  frmrecord.reset();
  frmcomment.reset();
  frmuserinput.reset();
  frmsystem.reset();
  frmabout.reset();
  frmwindow.reset();
  frminternet.reset();
  frmfileop.reset();
  frmselectobject.reset();
}

TStepDialog* StepDialogFor(StepFamily family) {
  switch (family) {
    case StepFamily::Clipboard:
      return frmclipboard.get();
    case StepFamily::Window:
      return frmwindow.get();
    case StepFamily::Internet:
      return frminternet.get();
    case StepFamily::UserInput:
      return frmuserinput.get();
    case StepFamily::System:
      return frmsystem.get();
    case StepFamily::FileOp:
      return frmfileop.get();
    case StepFamily::Record:
      return frmrecord.get();
    case StepFamily::None:
      break;
  }
  return nullptr;
}

}  // namespace vx::editor
