#include "core/ScriptFile.h"

#include "core/Errors.h"

namespace vx {

void WriteCountedString(std::string& out, const std::string& text) {
  AppendU16(out, static_cast<std::uint16_t>(text.size()));
  out += text;
}

std::string ReadCountedString(ByteReader& in) {
  const std::uint16_t length = in.ReadU16();
  return in.ReadBytes(length);
}

void CheckCountedTexts(const TCommand& step, std::size_t stepNumber, std::string_view holder) {
  const std::string* texts[] = {&step.p1, &step.p2, &step.p3, &step.p4};
  for (std::size_t i = 0; i < 4; ++i) {
    if (texts[i]->size() > MaxScriptText) {
      throw ScriptLimitError("Step " + std::to_string(stepNumber) + ": field p" +
                             std::to_string(i + 1) + " holds " + std::to_string(texts[i]->size()) +
                             " bytes; " + std::string(holder) +
                             " holds at most 65535 bytes per field.");
    }
  }
}

void WriteStepRecord(std::string& out, const TCommand& step) {
  AppendU8(out, step.kind);
  WriteCountedString(out, step.p1);
  WriteCountedString(out, step.p2);
  WriteCountedString(out, step.p3);
  WriteCountedString(out, step.p4);
  AppendU8(out, step.enabled);
}

std::string EncodeScript(std::span<const TCommand> steps, std::int32_t first, std::int32_t last) {
  if (last == -1) last = static_cast<std::int32_t>(steps.size()) - 1;
  if (first < 0 || first > last + 1 || last >= static_cast<std::int32_t>(steps.size())) {
    throw ScriptLimitError("Steps " + std::to_string(first) + " to " + std::to_string(last) +
                           " are not in the list.");
  }
  const auto count = static_cast<std::size_t>(last - first + 1);
  if (count > MaxScriptSteps) {
    throw ScriptLimitError("The script has " + std::to_string(count) +
                           " steps; a script file holds at most 65535 steps.");
  }
  const auto range = steps.subspan(static_cast<std::size_t>(first), count);
  std::size_t size = 5;
  for (std::size_t i = 0; i < range.size(); ++i) {
    CheckCountedTexts(range[i], static_cast<std::size_t>(first) + i + 1, "a script file");
    const TCommand& s = range[i];
    size += 10 + s.p1.size() + s.p2.size() + s.p3.size() + s.p4.size();
  }

  std::string out;
  out.reserve(size);
  AppendU16(out, ScriptHeaderWord);
  AppendU8(out, ScriptHeaderByte);
  AppendU16(out, static_cast<std::uint16_t>(count));
  for (const TCommand& step : range) WriteStepRecord(out, step);
  return out;
}

std::uint16_t ScriptReader::ReadHeader() {
  in_.ReadU16();
  in_.ReadU8();
  return in_.ReadU16();
}

TCommand ScriptReader::ReadStep() {
  TCommand step;
  step.kind = in_.ReadU8();
  step.p1 = ReadCountedString(in_);
  step.p2 = ReadCountedString(in_);
  step.p3 = ReadCountedString(in_);
  step.p4 = ReadCountedString(in_);
  step.enabled = in_.ReadU8();
  return step;
}

void ReadScriptSteps(std::string_view bytes, const std::function<void(TCommand&&)>& append) {
  ScriptReader reader(bytes);
  const std::uint16_t count = reader.ReadHeader();
  for (std::uint16_t i = 0; i < count; ++i) append(reader.ReadStep());
}

void ReadScriptSteps(std::string_view bytes, std::vector<TCommand>& into) {
  ReadScriptSteps(bytes, [&into](TCommand&& step) { into.push_back(std::move(step)); });
}

}  // namespace vx
