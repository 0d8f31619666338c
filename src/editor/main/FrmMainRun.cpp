// Run and Run Selected: the steps go to "vxtemp.vxz" beside the editor and the player
// "vexec.exe" from the same folder runs them, without the editor waiting for it.
#include <vector>

#include "core/FileIO.h"
#include "core/ScriptFile.h"
#include "core/editor/document/RunScript.h"
#include "editor/main/FrmMain.h"
#include "win32/system/ProgramPath.h"
#include "win32/system/RunFile.h"

namespace vx::editor {

void Tfrmmain::StartPlayer(std::int32_t first, std::int32_t last) {
  // The editor's folder, refused when the ANSI code page cannot hold it: only its folder
  // counts in the executable's path the start is planned from.
  const PlayerStart start =
      PlanPlayerStart(win32::ProgramFolderFor(kRunFileName, win32::PathUse::Create));
  WriteFileReplacing(start.scriptPath, EncodeScript(Steps().Steps(), first, last));
  win32::RunFile(start.verb, start.file, start.parameters, start.directory,
                 static_cast<std::uint16_t>(start.showCommand), start.wait);
}

void Tfrmmain::acRunExecute() {
  StartPlayer(0, -1);
}

void Tfrmmain::acRunSelectedExecute() {
  const StepList& steps = Steps();
  std::vector<std::int32_t> selected;
  if (steps.FirstSelected() != NoItem) selected = {steps.FirstSelected(), steps.LastSelected()};
  if (const std::optional<StepRange> range = SelectedRange(selected, steps.Count()))
    StartPlayer(range->first, range->last);
}

}  // namespace vx::editor
