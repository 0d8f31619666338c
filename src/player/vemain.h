// The player's program-wide objects and its run of a script.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/PlayerRun.h"
#include "core/RunLog.h"
#include "core/StepContext.h"
#include "win32/PlatformPorts.h"

namespace vx::player {

// What the steps share for the whole run: the command line, the state, the real ports, and
// the run log once a run has begun.
struct PlayerProgram {
  PlayerProgram();
  PlayerProgram(const PlayerProgram&) = delete;
  PlayerProgram& operator=(const PlayerProgram&) = delete;
  ~PlayerProgram();

  // The command line as the system holds it, the program's own name first.
  std::vector<std::wstring> params;
  PlayerState state;
  win32::PlatformPorts platform;
  Ports ports = platform.View();
  std::unique_ptr<TimeOfDaySource> clock;
  std::unique_ptr<TLog> log;

  // Whether the command line names a script.
  bool HasScript() const { return params.size() > 1; }
  // Its path (the first parameter). A name the ANSI code page cannot hold is refused with
  // FileOpenError before anything is read or the run log begun: a look-alike would run.
  std::string ScriptPath() const;

  // Empties the query list and the variable list, then writes the run log's page and frees
  // the log. Raises the log's file-creation error.
  void End();
};

// The program-wide objects exist from CreateProgram to DestroyProgram (which frees the ports
// while COM is still initialised).
void CreateProgram();
// PlayerProgram::End, when the objects were created at all.
void EndProgram();
void DestroyProgram();
PlayerProgram& Program();

// Runs the script file at path for a host (the progress window): creates the run log,
// mirrored into the host's lines, reads the file and performs its enabled steps.
void RunScript(const std::string& path, RunHost& host);
// The same run without a window.
void RunScript(const std::string& path);

// "No paramters passed, Vorlix Parser will close." in a box captioned "Vorlix".
void ShowNoParameters();

}  // namespace vx::player
