// The Edit commands on the step list. Each works on the model in one pass and says what
// changed; the caller then brings the list box up to date once.
//
// Cut is two calls on purpose: BuildStepBlock (StepBlock.h) first, then, only once the
// clipboard has taken the block, DeleteSelected. A failed clipboard keeps the steps.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Command.h"
#include "core/editor/list/StepList.h"

namespace vx::editor {

// Delete (and the second half of Cut): every selected step leaves the list.
ListChange DeleteSelected(StepList& list);

// Select All: every step becomes selected; the current item stays.
ListChange SelectAllSteps(StepList& list);

// Enable/Disable: each selected step by itself; an enabled byte that is not 0 becomes 0
// (any non-zero byte runs, so 2 counts as enabled), 0 becomes 1.
ListChange ToggleEnabled(StepList& list);

// Paste of a decoded block (its steps last-first, as cut and copy build it). The steps go
// in just after the current item (at the top of an empty list) and come out in the order they
// had where they were copied; they are not selected, the other steps keep their selection
// and the current item stays on its step (an empty list gets it on its first). A block of 0 steps
// changes nothing. Refuses (ScriptLimitError naming the limit) when the list would pass
// MaxListSteps; nothing is inserted then.
ListChange PasteBlock(StepList& list, std::span<const TCommand> block);

// Paste as the Paste command does it, from the clipboard's "VorlixCommand" data
// (nullopt when the clipboard holds none, the bytes of its memory block otherwise). When
// there is nothing to paste from, or the block does not decode, message is
// UnsupportedClipboardFormatText and the list is unchanged; the caller shows it in a plain
// message box. A block of 0 steps pastes nothing and gives no message. Past MaxListSteps:
// ScriptLimitError, as PasteBlock.
struct PasteOutcome {
  ListChange change = ListChange::None;
  std::string message;
};
PasteOutcome PasteFromClipboard(StepList& list, std::optional<std::string_view> block);

// Move Up: the selected steps close up, in their order, into one block that starts one
// place above the first selected step. Nothing when none is selected or the first
// selected step is already the first step. The moved steps stay selected.
ListChange MoveSelectedUp(StepList& list);

// Move Down, the mirror: the block ends one place below the last selected step. Nothing
// when none is selected or the last selected step is already the last step.
ListChange MoveSelectedDown(StepList& list);

// A step added by a dialog: appended as the last step, enabled 1, whatever is selected;
// the selection and current item do not change. Refuses past MaxListSteps.
ListChange AppendStep(StepList& list, const TCommand& step);

}  // namespace vx::editor
