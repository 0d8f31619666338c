#include "core/Interpreter.h"

#include "core/StepKinds.h"
#include "core/steps/ClipboardSteps.h"
#include "core/steps/DiskSteps.h"
#include "core/steps/InputSteps.h"
#include "core/steps/InternetSteps.h"
#include "core/steps/SystemSteps.h"
#include "core/steps/WindowSteps.h"

namespace vx {

void ExecuteStep(StepContext& context, TCommand step) {
  switch (step.kind) {
    case ckClearClipboard:
    case ckSetClipboard:
    case ckGetClipboard:
      ExecuteClipboardStep(context, step);
      break;
    case ckSendKeys:
    case ckMouseClick:
    case ckMouseMove:
    case ckRecord:
      ExecuteInputStep(context, step);
      break;
    case ckWait:
    case ckExecutionSpeed:
    case ckCallDLLFunction:
    case ckShutdownWindows:
    case ckRestartWindows:
    case ckHibernateSystem:
    case ckLockComputer:
    case ckLogOFFCurrentUser:
      ExecuteSystemStep(context, step);
      break;
    case ckShowMessage:
    case ckCloseAllWindows:
    case ckShowDesktop:
    case ckKillWindow:
    case ckCloseWindow:
    case ckMaximizeWindow:
    case ckMinimizeWindow:
    case ckActivateWindow:
      ExecuteWindowStep(context, step);
      break;
    case ckSendEmail:
    case ckFtpRenameFile:
    case ckFtpDeleteFile:
    case ckFtpUploadFile:
    case ckFtpDownloadFile:
      ExecuteInternetStep(context, step);
      break;
    case ckWriteToFile:
    case ckReadFromFile:
    case ckCopyObject:
    case ckMoveObject:
    case ckRenameObject:
    case ckRunObject:
    case ckDeleteObject:
      ExecuteDiskStep(context, step);
      break;
    case ckSetVariable:
      context.state.variables.SetVariable(step.p1, step.p2, context.log);
      break;
    default:
      // The gaps between the kinds and every code below 197: nothing is done or logged.
      break;
  }
}

}  // namespace vx
