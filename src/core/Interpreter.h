// ExecuteStep: performs one step of a script by its kind code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Command.h"
#include "core/Ports.h"
#include "core/StepLog.h"
#include "core/Variables.h"

namespace vx {

// What lives for the player's whole run and the steps share.
struct PlayerState {
  Variables variables;
  std::vector<std::string> queryList;  // the files the last object query found
  std::int32_t executionSpeed = 500;   // pause after every step, in milliseconds
};

struct StepContext {
  StepLog& log;
  PlayerState& state;
  Ports& ports;
};

// Performs step (taken by value: a branch may rewrite its own copy). Catches nothing: an
// error leaves ExecuteStep and ends the run. Codes without a branch do nothing.
void ExecuteStep(StepContext& context, TCommand step);

}  // namespace vx
