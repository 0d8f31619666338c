#include "core/editor/list/StepBlock.h"

#include "core/ByteStream.h"
#include "core/Errors.h"
#include "core/ScriptFile.h"

namespace vx::editor {

namespace {

// Kind byte, four empty counted strings, enabled byte.
constexpr std::size_t SmallestStepBytes = 10;
constexpr std::size_t CountBytes = 4;

// Cut and copy name the limit of what they put on the clipboard.
constexpr std::string_view Holder = "a step";

}  // namespace

std::string EncodeStepBlock(std::span<const TCommand> steps) {
  std::size_t size = CountBytes;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    CheckCountedTexts(steps[i], i + 1, Holder);
    const TCommand& s = steps[i];
    size += SmallestStepBytes + s.p1.size() + s.p2.size() + s.p3.size() + s.p4.size();
  }
  std::string out;
  out.reserve(size);
  AppendU32(out, static_cast<std::uint32_t>(steps.size()));
  for (const TCommand& step : steps) WriteStepRecord(out, step);
  return out;
}

std::string BuildStepBlock(const StepList& list) {
  std::vector<TCommand> picked;
  picked.reserve(list.SelectedCount());
  for (std::size_t i = list.Count(); i-- > 0;) {
    if (!list.IsSelected(i)) continue;
    // Named by its number in the list, as the user sees it, not by its place in the block.
    CheckCountedTexts(list.Step(i), i + 1, Holder);
    picked.push_back(list.Step(i));
  }
  return EncodeStepBlock(picked);
}

std::optional<std::vector<TCommand>> DecodeStepBlock(std::string_view bytes) {
  if (bytes.size() < CountBytes) return std::nullopt;
  const std::uint32_t count = U32At(bytes, 0);
  // Checked before anything is reserved: a forged count must not allocate gigabytes.
  if (count > (bytes.size() - CountBytes) / SmallestStepBytes) return std::nullopt;
  std::vector<TCommand> steps;
  steps.reserve(count);
  // Each step is a script file's step record, so the script reader reads it.
  ScriptReader in(bytes.substr(CountBytes));
  try {
    for (std::uint32_t i = 0; i < count; ++i) steps.push_back(in.ReadStep());
  } catch (const InOutError&) {
    return std::nullopt;
  }
  return steps;
}

}  // namespace vx::editor
