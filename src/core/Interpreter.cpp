#include "core/Interpreter.h"

#include <array>

#include "core/StepKinds.h"
#include "core/steps/ClipboardSteps.h"
#include "core/steps/DiskSteps.h"
#include "core/steps/InputSteps.h"
#include "core/steps/InternetSteps.h"
#include "core/steps/SystemSteps.h"
#include "core/steps/WindowSteps.h"

namespace vx {

namespace {

using StepFunction = void (*)(StepContext&, const TCommand&);

void SetVariableStep(StepContext& context, const TCommand& step) {
  context.state.variables.SetVariable(step.p1, step.p2, context.log);
}

struct KindFamily {
  std::uint8_t kind;
  StepFunction perform;
};

// Which family performs each kind of the catalogue: the one place that says so.
constexpr KindFamily Families[] = {
    {ckClearClipboard, ExecuteClipboardStep},
    {ckSetClipboard, ExecuteClipboardStep},
    {ckGetClipboard, ExecuteClipboardStep},
    {ckSendKeys, ExecuteInputStep},
    {ckMouseClick, ExecuteInputStep},
    {ckMouseMove, ExecuteInputStep},
    {ckRecord, ExecuteInputStep},
    {ckWait, ExecuteSystemStep},
    {ckExecutionSpeed, ExecuteSystemStep},
    {ckCallDLLFunction, ExecuteSystemStep},
    {ckShutdownWindows, ExecuteSystemStep},
    {ckRestartWindows, ExecuteSystemStep},
    {ckHibernateSystem, ExecuteSystemStep},
    {ckLockComputer, ExecuteSystemStep},
    {ckLogOFFCurrentUser, ExecuteSystemStep},
    {ckShowMessage, ExecuteWindowStep},
    {ckCloseAllWindows, ExecuteWindowStep},
    {ckShowDesktop, ExecuteWindowStep},
    {ckKillWindow, ExecuteWindowStep},
    {ckCloseWindow, ExecuteWindowStep},
    {ckMaximizeWindow, ExecuteWindowStep},
    {ckMinimizeWindow, ExecuteWindowStep},
    {ckActivateWindow, ExecuteWindowStep},
    {ckSendEmail, ExecuteInternetStep},
    {ckFtpRenameFile, ExecuteInternetStep},
    {ckFtpDeleteFile, ExecuteInternetStep},
    {ckFtpUploadFile, ExecuteInternetStep},
    {ckFtpDownloadFile, ExecuteInternetStep},
    {ckWriteToFile, ExecuteDiskStep},
    {ckReadFromFile, ExecuteDiskStep},
    {ckCopyObject, ExecuteDiskStep},
    {ckMoveObject, ExecuteDiskStep},
    {ckRenameObject, ExecuteDiskStep},
    {ckRunObject, ExecuteDiskStep},
    {ckDeleteObject, ExecuteDiskStep},
    {ckSetVariable, SetVariableStep},
};
static_assert(std::size(Families) == StepKindCount, "every kind of the catalogue has a family");

// Indexed by code; the gaps between the kinds and every code below 197 stay empty.
constexpr std::array<StepFunction, 256> FamilyByCode = [] {
  std::array<StepFunction, 256> byCode{};
  for (const KindFamily& entry : Families) byCode[entry.kind] = entry.perform;
  return byCode;
}();

}  // namespace

void ExecuteStep(StepContext& context, TCommand step) {
  if (const StepFunction perform = FamilyByCode[step.kind]) perform(context, step);
}

}  // namespace vx
