#include "editor/dialogs/EditorDialogs.h"

namespace vx::editor {

std::unique_ptr<Tfrmabout> frmabout;
std::unique_ptr<Tfrmcomment> frmcomment;
std::unique_ptr<Tfrmclipboard> frmclipboard;
std::unique_ptr<Tfrminternet> frminternet;
std::unique_ptr<Tfrmwindow> frmwindow;
std::unique_ptr<Tfrmuserinput> frmuserinput;
std::unique_ptr<Tfrmrecord> frmrecord;

void CreateEditorDialogs(StepDialogHost& host) {
  // In this order: frmselectobject, frmfileop, frminternet, frmwindow, frmabout, frmsystem,
  // frmuserinput, frmcomment, frmrecord, frmclipboard, frmoptions.
  frminternet = std::make_unique<Tfrminternet>();
  frminternet->Create(host);
  frmwindow = std::make_unique<Tfrmwindow>();
  frmwindow->Create(host);
  frmabout = std::make_unique<Tfrmabout>();
  frmabout->Create(host.DialogOwner());
  frmuserinput = std::make_unique<Tfrmuserinput>();
  frmuserinput->Create(host);
  frmcomment = std::make_unique<Tfrmcomment>();
  frmcomment->Create(host);
  frmrecord = std::make_unique<Tfrmrecord>();
  frmrecord->Create(host);
  frmclipboard = std::make_unique<Tfrmclipboard>();
  frmclipboard->Create(host);
}

void FreeEditorDialogs() {
  frmclipboard.reset();
  frmrecord.reset();
  frmcomment.reset();
  frmuserinput.reset();
  frmabout.reset();
  frmwindow.reset();
  frminternet.reset();
}

TStepDialog* StepDialogFor(StepDialog dialog) {
  switch (dialog) {
    case StepDialog::Clipboard:
      return frmclipboard.get();
    case StepDialog::Window:
      return frmwindow.get();
    case StepDialog::Internet:
      return frminternet.get();
    case StepDialog::UserInput:
      return frmuserinput.get();
    case StepDialog::None:
    case StepDialog::FileOp:
    case StepDialog::Record:
      return frmrecord.get();
    case StepDialog::System:
      break;
  }
  return nullptr;
}

}  // namespace vx::editor
