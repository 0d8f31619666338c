// The player's run loop over a script held in memory: one step read, performed and paused
// after before the next is read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Interpreter.h"
#include "core/RunLog.h"

namespace vx {

// What the run loop needs from the program around it.
class RunHost {
 public:
  virtual ~RunHost() = default;
  // The progress caption of an enabled step; a windowless run ignores it.
  virtual void ShowStep(const std::string& caption) = 0;
  // Lets the window messages that are waiting run.
  virtual void ProcessMessages() = 0;
  virtual void Pause(std::uint32_t milliseconds) = 0;
  // Where the run log shows its lines as they are written; null: nowhere.
  virtual LogMirror* LogLines() { return nullptr; }
};

// "Step %u of %u: %s" for step number (from 1), the step count and the kind's name.
std::string StepCaption(std::uint32_t number, std::uint32_t count, std::uint8_t kind);

// The pause after a step: a negative execution speed pauses not at all.
std::uint32_t PauseFor(std::int32_t executionSpeed);

// Reads the header and then each step in turn; disabled steps are skipped without caption,
// row or pause. Catches nothing: a step's error, or a file cut short ("Read beyond end of
// file" after the complete steps ran), leaves here.
void RunScriptSteps(std::string_view bytes, TLog& log, PlayerState& state, Ports& ports,
                    RunHost& host);

}  // namespace vx
