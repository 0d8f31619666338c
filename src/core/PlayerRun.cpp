#include "core/PlayerRun.h"

#include "core/ScriptFile.h"
#include "core/StepKinds.h"

namespace vx {

std::string StepCaption(std::uint32_t number, std::uint32_t count, std::uint8_t kind) {
  return "Step " + std::to_string(number) + " of " + std::to_string(count) + ": " +
         StepKindName(kind);
}

std::uint32_t PauseFor(std::int32_t executionSpeed) {
  return executionSpeed < 0 ? 0u : static_cast<std::uint32_t>(executionSpeed);
}

void RunScriptSteps(std::string_view bytes, TLog& log, PlayerState& state, Ports& ports,
                    RunHost& host) {
  ScriptReader reader(bytes);
  const std::uint16_t count = reader.ReadHeader();
  StepContext context{log, state, ports};
  for (std::uint32_t i = 0; i < count; ++i) {
    TCommand step = reader.ReadStep();
    if (step.enabled == 0) continue;
    host.ShowStep(StepCaption(i + 1, count, step.kind));
    host.ProcessMessages();
    log.BeginStep(step.kind);
    ExecuteStep(context, std::move(step));
    host.Pause(PauseFor(state.executionSpeed));
  }
}

}  // namespace vx
