// The player's program-wide objects and its run of a script.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Interpreter.h"
#include "core/PlayerRun.h"
#include "core/RunLog.h"
#include "win32/ports/PortFactories.h"

namespace vx::player {

// What the steps share for the whole run, and the run log once a run has begun.
struct PlayerProgram {
  PlayerProgram();
  PlayerProgram(const PlayerProgram&) = delete;
  PlayerProgram& operator=(const PlayerProgram&) = delete;
  ~PlayerProgram();

  std::vector<std::string> params;  // the command line, the program's own name first
  PlayerState state;
  std::unique_ptr<ClipboardPort> clipboard;
  std::unique_ptr<WindowPort> windows;
  std::unique_ptr<SystemPort> system;
  std::unique_ptr<ShellPort> shell;
  std::unique_ptr<InputPort> input;
  std::unique_ptr<SmtpPort> smtp;
  std::unique_ptr<FtpPort> ftp;
  Ports ports;
  std::unique_ptr<TimeOfDaySource> clock;
  std::unique_ptr<TLog> log;

  // The first parameter, or "" when there is none.
  bool HasScript() const { return params.size() > 1; }
  const std::string& ScriptPath() const { return params.at(1); }

  // Frees the query list, the variable list and the run log, in that order; freeing the
  // log writes its page. Raises the log's file-creation error.
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
