#include "core/editor/dialogs/ClipboardDialog.h"

#include "core/StepKinds.h"

namespace vx::editor {

namespace {

bool IsClipboardKind(std::uint8_t kind) {
  return kind == ckClearClipboard || kind == ckSetClipboard || kind == ckGetClipboard;
}

}  // namespace

ClipboardShown ShowClipboardStep(const TCommand& step, const std::vector<std::string>& declared,
                                 ClipboardValues previous) {
  ClipboardShown shown{step.kind, StepKindName(ckGetClipboard), StepKindDescription(ckGetClipboard),
                       std::move(previous)};
  ClipboardValues& values = shown.values;
  if (IsClipboardKind(step.kind)) values.checkedKind = step.kind;
  if (step.kind == ckSetClipboard) values.setText = step.p1;
  values.variable =
      step.kind == ckGetClipboard ? FillVariableBox(declared, step.p1) : FillVariableBox(declared);
  return shown;
}

void ApplyClipboardStep(std::uint8_t kind, const ClipboardValues& values, TCommand& working) {
  working.kind = kind;
  if (kind == ckSetClipboard) working.p1 = values.setText;
  if (kind == ckGetClipboard) working.p1 = values.variable.Text();
}

}  // namespace vx::editor
