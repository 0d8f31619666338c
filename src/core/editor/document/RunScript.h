// Run and Run Selected: the steps go to "vxtemp.vxz" beside the editor's executable and the
// player "vexec.exe" from the same folder is started on it through the shell, without
// waiting. The current directory plays no part.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vx::editor {

inline constexpr const char* kRunFileName = "vxtemp.vxz";
inline constexpr const char* kPlayerFileName = "vexec.exe";

// The arguments of RunFile that start the player. The paths are quoted so that a folder
// with spaces reaches the player as one argument.
struct PlayerStart {
  std::string scriptPath;  // where the steps are written: folder + "vxtemp.vxz"
  std::string verb;        // "open"
  std::string file;        // "\"" + folder + "vexec.exe\""
  std::string parameters;  // "\"" + scriptPath + "\""
  std::string directory;   // empty
  int showCommand = 0;     // 0: the player shows its own window when it wants one
  bool wait = false;

  bool operator==(const PlayerStart&) const = default;
};

// The folder of an executable, up to and including its last "\" (empty when there is none).
std::string ExecutableFolder(const std::string& executablePath);

// The player start for the editor running from executablePath (GetModuleFileNameA).
PlayerStart PlanPlayerStart(const std::string& executablePath);

// The steps Run Selected writes: from the lowest to the highest selected index, the
// unselected steps between them included.
struct StepRange {
  std::int32_t first = 0;
  std::int32_t last = 0;

  bool operator==(const StepRange&) const = default;
};

// The range for the selected indexes of a list of stepCount steps, in any order; indexes
// outside the list are ignored. Nothing selected (an empty list included) gives nullopt:
// Run Selected then does nothing at all.
std::optional<StepRange> SelectedRange(std::span<const std::int32_t> selectedIndexes,
                                       std::size_t stepCount);

}  // namespace vx::editor
