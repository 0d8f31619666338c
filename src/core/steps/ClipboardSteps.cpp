#include "core/steps/ClipboardSteps.h"

#include "core/Errors.h"
#include "core/StepKinds.h"
#include "core/ports/ClipboardPort.h"

namespace vx {

namespace {

// Open for exactly one action; closed on every way out, errors included.
class OpenClipboard {
 public:
  explicit OpenClipboard(ClipboardPort& clipboard) : clipboard_(clipboard) {
    if (!clipboard_.Open()) throw ClipboardError("Cannot open clipboard");
  }
  OpenClipboard(const OpenClipboard&) = delete;
  OpenClipboard& operator=(const OpenClipboard&) = delete;
  ~OpenClipboard() { clipboard_.Close(); }

 private:
  ClipboardPort& clipboard_;
};

void ClearClipboard(StepContext& context) {
  ClipboardPort& clipboard = context.ports.clipboard;
  {
    OpenClipboard open(clipboard);
    clipboard.Empty();
  }
  context.log.Add("Clipboard cleared successfully");
}

void SetClipboard(StepContext& context, const TCommand& step) {
  const std::string text = context.state.variables.SubstituteVariables(step.p1);
  ReplaceClipboardText(context.ports.clipboard, text);
  context.log.Add("Clipboard data changed to: " + text);
}

void GetClipboard(StepContext& context, const TCommand& step) {
  ClipboardPort& clipboard = context.ports.clipboard;
  std::string text;
  {
    OpenClipboard open(clipboard);
    text = clipboard.GetText();
  }
  context.state.variables.ChangeVariable(step.p1, text, context.log);
}

}  // namespace

void ReplaceClipboardText(ClipboardPort& clipboard, const std::string& text) {
  OpenClipboard open(clipboard);
  clipboard.Empty();
  // Reporting a change that did not happen, or pasting what the clipboard held before,
  // would mislead the user.
  if (!clipboard.SetText(text)) throw ClipboardError("Cannot set clipboard data");
}

void ExecuteClipboardStep(StepContext& context, const TCommand& step) {
  switch (step.kind) {
    case ckClearClipboard:
      ClearClipboard(context);
      break;
    case ckSetClipboard:
      SetClipboard(context, step);
      break;
    case ckGetClipboard:
      GetClipboard(context, step);
      break;
    default:
      break;
  }
}

}  // namespace vx
