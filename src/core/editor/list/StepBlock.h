// The step block: what cut and copy put on the clipboard under "VorlixCommand" and what
// paste reads back. An unsigned 32-bit little-endian count, then each step exactly as a
// script file stores it (kind byte, p1..p4 as counted strings, enabled byte). The block
// holds copies, never references into the editor that wrote it, so another running
// editor can paste it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Command.h"
#include "core/editor/list/StepList.h"

namespace vx::editor {

// The name under which the editor registers its clipboard format.
inline constexpr const char* StepClipboardFormatName = "VorlixCommand";
// Shown when the clipboard holds no step block, or one that does not decode.
inline constexpr const char* UnsupportedClipboardFormatText = "UnSupported Clipboard Format";

// The bytes of a block holding these steps in this order. Refuses (ScriptLimitError,
// naming the step and the field) a text over 65,535 bytes, which a counted string cannot
// hold: a block never carries a length that disagrees with the bytes after it.
std::string EncodeStepBlock(std::span<const TCommand> steps);

// The block that cut and copy hand to the clipboard: the selected steps, from the last
// selected one to the first. Nothing selected gives the count 0 alone.
std::string BuildStepBlock(const StepList& list);

// Reads a block held in `bytes` (the clipboard memory, whose size may be rounded up:
// bytes after the last counted step are ignored). All or nothing: a count or a length
// that does not fit in the bytes gives nullopt and no steps. Never reads past `bytes`.
std::optional<std::vector<TCommand>> DecodeStepBlock(std::string_view bytes);

}  // namespace vx::editor
