#include "core/steps/SystemSteps.h"

#include <algorithm>

#include "core/IntegerText.h"
#include "core/StepKinds.h"
#include "core/ports/SystemPort.h"
#include "core/steps/ExitWindowsWithPrivilege.h"

namespace vx {

namespace {

void Wait(StepContext& context, const TCommand& step) {
  context.log.Add("Sleep Started...");
  // A negative time would reach the system as weeks or "for ever" and hang the player.
  const std::int32_t milliseconds = std::max<std::int32_t>(StrToInt(step.p1), 0);
  context.ports.system.Sleep(static_cast<std::uint32_t>(milliseconds));
  context.log.Add("Sleep Ended.");
}

void ExecutionSpeed(StepContext& context, const TCommand& step) {
  context.state.executionSpeed = StrToInt(step.p1);
  context.log.Add("Execution speed changed to: " + step.p1);
}

// The three system libraries come from the system folder so that a copy elsewhere on the
// search path is not taken by mistake; any other name, in any other spelling, is searched.
std::string LibraryPath(SystemPort& system, const std::string& name) {
  if (name == "kernel32.dll" || name == "user32.dll" || name == "gdi32.dll")
    return system.GetSystemDirectoryA() + "\\" + name;
  return name;
}

void CallDllFunction(StepContext& context, const TCommand& step) {
  SystemPort& system = context.ports.system;
  const std::string path = LibraryPath(system, step.p2);
  context.log.Add("Loading DLL...");
  std::unique_ptr<LoadedLibrary> library = system.LoadLibraryA(path);
  if (!library) {
    context.log.Add("DLL could not be loaded: " + path);
    return;
  }
  // Only the name counts; whatever stands between the parentheses is not an argument.
  const std::string name = GetField(step.p1, '(', 0);
  const ProcAddress function = library->GetProcAddress(name);
  if (function == 0) {
    context.log.Add("Function " + name + " not found in " + path);
    return;  // the library is freed on the way out
  }
  context.log.Add("Calling Function...");
  system.CallWithFourZeroArguments(function);
  context.log.Add("Freeing DLL...");
  library.reset();
}

}  // namespace

void ExecuteSystemStep(StepContext& context, const TCommand& step) {
  SystemPort& system = context.ports.system;
  switch (step.kind) {
    case ckWait:
      Wait(context, step);
      break;
    case ckExecutionSpeed:
      ExecutionSpeed(context, step);
      break;
    case ckCallDLLFunction:
      CallDllFunction(context, step);
      break;
    case ckShutdownWindows:
      context.log.Add("Shutdown Computer...");
      ExitWindowsWithPrivilege(system, context.log, EwxPoweroff);
      break;
    case ckRestartWindows:
      context.log.Add("Restarting Computer...");
      ExitWindowsWithPrivilege(system, context.log, EwxReboot);
      break;
    case ckHibernateSystem:
      context.log.Add("Hibernating...");
      system.SetSystemPowerState(false, true);
      break;
    case ckLockComputer:
      context.log.Add("Locking Computer...");
      system.LockWorkStation();
      break;
    case ckLogOFFCurrentUser:
      context.log.Add("Logging Off...");
      system.ExitWindowsEx(EwxLogoff);
      break;
    case ckSetVariable:
      context.state.variables.SetVariable(step.p1, step.p2, context.log);
      break;
    default:
      break;
  }
}

}  // namespace vx
