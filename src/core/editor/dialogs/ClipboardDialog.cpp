#include "core/editor/dialogs/ClipboardDialog.h"

#include "core/StepKinds.h"

namespace vx::editor {

const std::array<std::uint8_t, 3> ClipboardKinds{ckGetClipboard, ckSetClipboard, ckClearClipboard};

const std::array<ControlBinding, ClipboardControlCount> ClipboardMapping{{
    {.control = cbKindChoice,
     .kinds = {ckGetClipboard, ckSetClipboard, ckClearClipboard},
     .codec = KindChoiceCodec(ClipboardKinds)},
    {.control = cbVariable,
     .field = {Slot::P1},
     .kinds = {ckGetClipboard},
     .shownFor = {ckSetClipboard, ckClearClipboard},
     .codec = VariableCodec},
    {.control = cbSetText, .field = {Slot::P1}, .kinds = {ckSetClipboard}},
}};

}  // namespace vx::editor
