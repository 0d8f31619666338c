// The Edit commands and the windows they open. Each command decides on the model in one
// pass (ListCommands.h) and then brings the list box up to date once.
#include "core/editor/dialogs/CommentDialog.h"
#include "core/editor/list/ListCommands.h"
#include "core/editor/list/StepBlock.h"
#include "editor/dialogs/EditorDialogs.h"
#include "editor/main/FrmMain.h"
#include "win32/forms/Application.h"
#include "win32/system/Win32Clipboard.h"

namespace vx::editor {

namespace {

// The step block onto the clipboard; throws ClipboardError when the clipboard did not
// take it.
void PutOnClipboard(const std::string& block) {
  win32::Win32Clipboard clipboard;
  clipboard.PutBlock(CommandFormat, block);
}

}  // namespace

void Tfrmmain::acCutActionExecute() {
  PutOnClipboard(BuildStepBlock(Steps()));
  // Only once the clipboard holds the steps do they leave the list.
  ShowListChange(DeleteSelected(Steps()));
}

void Tfrmmain::acCopyActionExecute() {
  PutOnClipboard(BuildStepBlock(Steps()));
}

void Tfrmmain::acPasteActionExecute() {
  std::optional<std::string> block;
  if (CommandFormat != 0) block = win32::Win32Clipboard().GetBlock(CommandFormat);
  const PasteOutcome outcome = PasteFromClipboard(Steps(), block);
  ShowListChange(outcome.change);
  if (!outcome.message.empty())
    ::MessageBoxA(Handle(), outcome.message.c_str(), win32::Application().Title().c_str(), MB_OK);
}

void Tfrmmain::acDeleteActionExecute() {
  ShowListChange(DeleteSelected(Steps()));
}

void Tfrmmain::acSelectAllExecute() {
  ShowListChange(SelectAllSteps(Steps()));
}

void Tfrmmain::acEnableExecute() {
  ShowListChange(ToggleEnabled(Steps()));
}

void Tfrmmain::acMoveUpExecute() {
  ShowListChange(MoveSelectedUp(Steps()));
}

void Tfrmmain::acMoveDownExecute() {
  ShowListChange(MoveSelectedDown(Steps()));
}

void Tfrmmain::acCommentExecute() {
  if (!frmcomment) return;
  const std::optional<std::string> comment = frmcomment->Edit(ShowComment(Steps()));
  if (comment && CommentSelectedSteps(Steps(), *comment)) ShowListChange(ListChange::Repaint);
}

void Tfrmmain::acAboutExecute() {
  if (frmabout) frmabout->Open();
}

void Tfrmmain::mPreferencesClick() {
  if (frmoptions) frmoptions->Open();
}

}  // namespace vx::editor
