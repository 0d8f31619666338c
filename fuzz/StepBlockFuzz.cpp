// Any bytes may sit on the clipboard under the step format, put there by another program:
// decoding must end in steps or in a refusal, never in a crash or a read past the block,
// and the steps it gives must encode back to the bytes they came from. Pasted into a list
// (its size, selection and current item taken from the input's last bytes, which the block
// ignores when it ends before them), the steps must land where Paste puts them and leave
// every other step as it was; into a list at the step limit, a paste that would pass it
// must be refused whole.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Errors.h"
#include "core/editor/list/ListCommands.h"
#include "core/editor/list/StepBlock.h"
#include "core/editor/list/StepList.h"

namespace {

using vx::TCommand;
using vx::editor::MaxListSteps;
using vx::editor::PasteFromClipboard;
using vx::editor::StepList;
using Block = std::optional<std::vector<TCommand>>;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Byte i from the end of the input, 0 when the input is shorter.
std::uint8_t FromEnd(std::string_view bytes, std::size_t i) {
  return i < bytes.size() ? static_cast<std::uint8_t>(bytes[bytes.size() - 1 - i]) : 0;
}

std::size_t BlockSize(const Block& block) {
  return block ? block->size() : 0;
}

// The current item: none, or any step of a list of count steps.
std::int32_t CurrentFor(std::string_view bytes, std::size_t count) {
  return static_cast<std::int32_t>(FromEnd(bytes, 2) % (count + 1)) - 1;
}

// Up to 31 steps, all alike (they are told apart by their ids), with a selection pattern
// drawn from the input.
StepList ShortList(std::string_view bytes) {
  const std::size_t count = FromEnd(bytes, 0) & 0x1F;
  StepList list;
  list.Assign(std::vector<TCommand>(count));
  const std::uint32_t pattern = FromEnd(bytes, 1) * 0x01010101u ^ 0x5A3C96E1u;
  for (std::size_t i = 0; i < count; ++i) list.SetSelected(i, (pattern >> i & 1) != 0);
  list.SetCurrent(CurrentFor(bytes, count));
  return list;
}

// The pasted steps stand just after the current item (at 0 without one), in the order they
// had where they were copied (the block holds them last-first), unselected; the steps
// before and after them are the old ones in their order, with their selection, and the
// current item stays on its step (or, in a list that had none, comes to the first step).
void CheckPasted(const StepList& before, const StepList& after,
                 const std::vector<TCommand>& block) {
  const std::size_t at = static_cast<std::size_t>(before.Current() + 1);
  const std::size_t k = block.size();
  // A list without a current item gets one on its first step once it holds any.
  const std::int32_t current = before.Current() != vx::editor::NoItem ? before.Current()
                               : after.Count() > 0                    ? 0
                                                                      : vx::editor::NoItem;
  Check(after.Count() == before.Count() + k && after.Current() == current);
  for (std::size_t i = 0; i < after.Count(); ++i) {
    if (i >= at && i < at + k) {
      Check(after.Step(i) == block[k - 1 - (i - at)] && !after.IsSelected(i));
      continue;
    }
    const std::size_t old = i < at ? i : i - k;
    Check(after.Id(i) == before.Id(old) && after.Step(i) == before.Step(old));
    Check(after.IsSelected(i) == before.IsSelected(old));
  }
}

bool SameList(const StepList& a, const StepList& b) {
  if (a.Count() != b.Count() || a.Current() != b.Current()) return false;
  for (std::size_t i = 0; i < a.Count(); ++i) {
    if (a.Id(i) != b.Id(i) || a.IsSelected(i) != b.IsSelected(i) || !(a.Step(i) == b.Step(i)))
      return false;
  }
  return true;
}

void CheckShortPaste(std::string_view bytes, const Block& block) {
  const StepList before = ShortList(bytes);
  StepList list = before;
  const vx::editor::PasteOutcome outcome = PasteFromClipboard(list, bytes);
  // A block that does not decode gives the message, one of no steps nothing at all.
  Check(outcome.message.empty() == block.has_value());
  if (BlockSize(block) == 0) {
    Check(outcome.change == vx::editor::ListChange::None && SameList(list, before));
    return;
  }
  CheckPasted(before, list, *block);
}

// Whether pasting the block into the list at its end gives what it must: the steps after
// the last one, or, when the list would pass the step limit, a refusal that changes nothing.
bool PastedAtEnd(StepList& list, std::string_view bytes, const std::vector<TCommand>& block) {
  const std::size_t before = list.Count();
  list.SetCurrent(static_cast<std::int32_t>(before) - 1);
  try {
    PasteFromClipboard(list, bytes);
  } catch (const vx::ScriptLimitError&) {
    Check(before + block.size() > MaxListSteps && list.Count() == before);
    return false;
  }
  Check(before + block.size() <= MaxListSteps && list.Count() == before + block.size());
  for (std::size_t i = 0; i < block.size(); ++i)
    Check(list.Step(before + i) == block[block.size() - 1 - i] && !list.IsSelected(before + i));
  Check(list.Current() == static_cast<std::int32_t>(before) - 1);
  return true;
}

// A list one step short of the limit takes a block of one step and then refuses any more;
// a longer block it refuses whole. Only the limit is in question here (the short lists
// check where the steps land), so the steps go in at the end and move none of the others.
void CheckLongPaste(std::string_view bytes, const Block& block) {
  // Built once: 65,534 steps built anew for every run would take most of its time.
  static StepList list = [] {
    StepList made;
    made.Assign(std::vector<TCommand>(MaxListSteps - 1));
    return made;
  }();
  if (!block || !PastedAtEnd(list, bytes, *block) || block->empty()) return;
  // Full now: the same block again is refused. Then the list is one short again.
  Check(!PastedAtEnd(list, bytes, *block));
  list.SetSelected(MaxListSteps - 1, true);
  list.RemoveSelected();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Block steps = vx::editor::DecodeStepBlock(bytes);
  if (steps) {
    const std::string again = vx::editor::EncodeStepBlock(*steps);
    Check(again.size() <= size && bytes.substr(0, again.size()) == again);
  }
  // Now and then a list at the step limit: a paste into it costs more than a short one.
  if (FromEnd(bytes, 0) >= 0xFC)
    CheckLongPaste(bytes, steps);
  else
    CheckShortPaste(bytes, steps);
  return 0;
}
