// The .vxz script file: the header word 2015, the header byte 1, a 16-bit step count, then
// each step as its kind byte, four counted strings and its enabled byte. Little-endian,
// no padding, nothing after the last step.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/ByteStream.h"
#include "core/Command.h"

namespace vx {

inline constexpr std::uint16_t ScriptHeaderWord = 2015;
inline constexpr std::uint8_t ScriptHeaderByte = 1;
inline constexpr std::size_t MaxScriptSteps = 0xFFFF;
inline constexpr std::size_t MaxScriptText = 0xFFFF;

// A 16-bit length and exactly that many bytes. The caller guarantees the length fits
// (CheckCountedTexts on every step before writing any).
void WriteCountedString(std::string& out, const std::string& text);
// Refuses with ScriptLimitError a step whose texts a counted string could not hold, naming
// the step by stepNumber and the field: "Step 3: field p2 holds 70000 bytes; " + holder +
// " holds at most 65535 bytes per field."
void CheckCountedTexts(const TCommand& step, std::size_t stepNumber, std::string_view holder);
// One step as a script file stores it, and the step clipboard too: kind byte, p1..p4 as
// counted strings, enabled byte. The caller has checked the texts (CheckCountedTexts).
void WriteStepRecord(std::string& out, const TCommand& step);
std::string ReadCountedString(ByteReader& in);

// The bytes of a script file holding steps[first..last]; last -1 stands for the last
// step. Refuses with ScriptLimitError a range the list does not have ("Steps X to Y are
// not in the list."), a range of more than 65,535 steps, or a text over 65,535 bytes,
// naming the step by its number in steps (from 1) and the field: the layout could not
// hold them.
std::string EncodeScript(std::span<const TCommand> steps, std::int32_t first, std::int32_t last);

// Reads a script held in memory one step at a time, as the player performs them.
class ScriptReader {
 public:
  explicit ScriptReader(std::string_view bytes) : in_(bytes) {}

  // Skips the header word and byte (any values are accepted) and returns the step count.
  std::uint16_t ReadHeader();
  TCommand ReadStep();

 private:
  ByteReader in_;
};

// Reads every step of a script, handing each to append as soon as it is complete. A file
// cut short raises "Read beyond end of file" after the complete steps were handed on;
// bytes after the last counted step are ignored.
void ReadScriptSteps(std::string_view bytes, const std::function<void(TCommand&&)>& append);
void ReadScriptSteps(std::string_view bytes, std::vector<TCommand>& into);

}  // namespace vx
