// What a step is performed with: the run log it reports to, the state the steps share for
// the whole run, and the ports to the system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

}  // namespace vx
