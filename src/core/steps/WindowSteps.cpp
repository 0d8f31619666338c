#include "core/steps/WindowSteps.h"

#include <string>

#include "core/StepKinds.h"
#include "core/ports/MessageBoxPort.h"
#include "core/ports/WindowPort.h"

namespace vx {

namespace {

struct MessageLook {
  const char* caption;
  std::uint32_t icon;
};

// Exact and case-sensitive. A type the editor left empty, or any other text, shows as an
// information message: a plain notice is what such a message most likely is.
MessageLook LookOf(const std::string& type) {
  if (type == "Error") return {"Error", MbIconError};
  if (type == "Question") return {"Confirm", MbIconQuestion};
  if (type == "Warning") return {"Warning", MbIconWarning};
  return {"Information", MbIconInformation};
}

// One OK button; task-modal, so every window of the player's thread waits for the answer.
void ShowMessage(StepContext& context, const TCommand& step) {
  const MessageLook look = LookOf(step.p2);
  context.log.Add("Executing message...");
  context.ports.boxes.MessageBoxA(context.state.variables.SubstituteVariables(step.p1),
                                  look.caption, MbOk | look.icon | MbTaskModal);
}

// Asks, never forces: each window handles WM_CLOSE (and may ask its own questions) before the
// walk goes on, and one that refuses stays open.
void CloseAllWindows(StepContext& context) {
  WindowPort& windows = context.ports.windows;
  WindowHandle window = windows.GetWindow(windows.GetDesktopWindow(), GwChild);
  while (window != 0) {
    if ((windows.GetExtendedStyle(window) & WsExAppWindow) != 0) {
      windows.SendClose(window);
      context.log.Add("Closing Window --> " + std::to_string(window));
    }
    window = windows.GetWindow(window, GwHwndNext);
  }
}

void ShowDesktop(StepContext& context) {
  context.log.Add("Creating COM Object...");
  std::unique_ptr<ShellApplication> shell = context.ports.windows.CreateShellApplication();
  context.log.Add("Minimizing all windows");
  shell->MinimizeAll();
}

void KillWindow(StepContext& context, const TCommand& step) {
  WindowPort& windows = context.ports.windows;
  context.log.Add("Killing Window " + step.p1);
  const WindowHandle window = windows.FindWindowByClass(step.p1);
  if (window != 0) windows.KillProcessOfWindow(window);
}

// Kinds 226 to 229: the first top-level window of the class p1, logged before it is acted on.
void ActOnWindow(StepContext& context, const TCommand& step) {
  WindowPort& windows = context.ports.windows;
  const WindowHandle window = windows.FindWindowByClass(step.p1);
  if (window == 0) {
    context.log.Add("Window not Found");
    return;
  }
  switch (step.kind) {
    case ckCloseWindow:
      context.log.Add("Closing window " + step.p1);
      windows.SendClose(window);
      break;
    case ckMaximizeWindow:
      context.log.Add("Maximizing window " + step.p1);
      windows.ShowWindow(window, SwShowMaximized);
      break;
    case ckMinimizeWindow:
      context.log.Add("Minimizing window " + step.p1);
      windows.ShowWindow(window, SwMinimize);
      break;
    case ckActivateWindow:
      context.log.Add("Activating window " + step.p1);
      windows.SetForegroundWindow(window);
      break;
    default:
      break;
  }
}

}  // namespace

void ExecuteWindowStep(StepContext& context, const TCommand& step) {
  switch (step.kind) {
    case ckShowMessage:
      ShowMessage(context, step);
      break;
    case ckCloseAllWindows:
      CloseAllWindows(context);
      break;
    case ckShowDesktop:
      ShowDesktop(context);
      break;
    case ckKillWindow:
      KillWindow(context, step);
      break;
    case ckCloseWindow:
    case ckMaximizeWindow:
    case ckMinimizeWindow:
    case ckActivateWindow:
      ActOnWindow(context, step);
      break;
    default:
      break;
  }
}

}  // namespace vx
