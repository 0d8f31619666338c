// What a user of the dialogs finally gets: the steps as a saved script file holds them.
#pragma once

#include <vector>

#include "core/ScriptFile.h"
#include "core/editor/list/StepList.h"

namespace vxtest {

inline std::vector<vx::TCommand> SavedAndReadBack(const vx::editor::StepList& steps) {
  std::vector<vx::TCommand> read;
  vx::ReadScriptSteps(vx::EncodeScript(steps.Steps(), 0, -1), read);
  return read;
}

}  // namespace vxtest
