// The Edit commands and the windows they open.
// (A first version: the commands do nothing yet.)
#include "editor/main/FrmMain.h"

namespace vx::editor {

void Tfrmmain::acCutActionExecute() {}
void Tfrmmain::acCopyActionExecute() {}
void Tfrmmain::acPasteActionExecute() {}
void Tfrmmain::acDeleteActionExecute() {}
void Tfrmmain::acSelectAllExecute() {}
void Tfrmmain::acEnableExecute() {}
void Tfrmmain::acMoveUpExecute() {}
void Tfrmmain::acMoveDownExecute() {}
void Tfrmmain::acCommentExecute() {}
void Tfrmmain::acAboutExecute() {}
void Tfrmmain::mPreferencesClick() {}

}  // namespace vx::editor
