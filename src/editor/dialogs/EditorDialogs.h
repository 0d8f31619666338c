// The editor's dialogs: created once at program start, kept for the whole run, and the
// step dialog that serves each family.
#pragma once

#include <memory>

#include "core/editor/list/ActionTree.h"
#include "editor/dialogs/FrmAbout.h"
#include "editor/dialogs/FrmClipboard.h"
#include "editor/dialogs/FrmComment.h"
#include "editor/dialogs/FrmFileOp.h"
#include "editor/dialogs/FrmInternet.h"
#include "editor/dialogs/FrmOptions.h"
#include "editor/dialogs/FrmRecord.h"
#include "editor/dialogs/FrmSelectObject.h"
#include "editor/dialogs/FrmSystem.h"
#include "editor/dialogs/FrmUserInput.h"
#include "editor/dialogs/FrmWindow.h"
#include "editor/dialogs/StepDialog.h"

namespace vx::editor {

extern std::unique_ptr<Tfrmselectobject> frmselectobject;
extern std::unique_ptr<Tfrmfileop> frmfileop;
extern std::unique_ptr<Tfrmabout> frmabout;
extern std::unique_ptr<Tfrmcomment> frmcomment;
extern std::unique_ptr<Tfrmclipboard> frmclipboard;
extern std::unique_ptr<Tfrminternet> frminternet;
extern std::unique_ptr<Tfrmwindow> frmwindow;
extern std::unique_ptr<Tfrmuserinput> frmuserinput;
extern std::unique_ptr<Tfrmrecord> frmrecord;
extern std::unique_ptr<Tfrmsystem> frmsystem;
extern std::unique_ptr<Tfrmoptions> frmoptions;

// Creates every dialog, owned by the main window.
void CreateEditorDialogs(HWND owner);
// Frees them (before the main window goes).
void FreeEditorDialogs();

// The dialog of a family; null for None and for a family whose dialog does not exist.
TStepDialog* StepDialogFor(StepFamily family);

}  // namespace vx::editor
