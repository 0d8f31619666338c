// Any bytes may stand in a step's object criteria (a hand-made script): the player's parse
// must end in a criteria or the conversion error, the criteria list's readable lines must
// keep their shape, and the criteria dialog must give back what it was shown and refuse at
// OK exactly the bounds the player would refuse.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/Command.h"
#include "core/Errors.h"
#include "core/ObjectCriteria.h"
#include "core/editor/dialogs/CriteriaBoxes.h"
#include "core/editor/dialogs/ObjectCriteriaLines.h"
#include "core/editor/dialogs/SizeBox.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Whether the player reads the criteria, trying a file and a folder against it.
bool PlayerReads(const std::string& text, std::uint64_t size) {
  try {
    const vx::ObjectCriteria criteria = vx::ParseObjectCriteria(text);
    vx::EntryMatches(criteria, {criteria.name + "." + criteria.extensions, 0x20, size});
    vx::EntryMatches(criteria, {criteria.name, 0x10, 0});
    return true;
  } catch (const vx::ConvertError&) {
    return false;
  }
}

bool IsHeading(const std::string& line) {
  static const std::array<std::string, 4> headings{"With a filename of", "Located in",
                                                   "And with an extension of", "With a file size"};
  for (const std::string& heading : headings)
    if (line == heading) return true;
  return false;
}

void CheckLines(const std::vector<std::string>& lines) {
  Check(lines.size() <= 8 && lines.size() % 2 == 0);
  for (std::size_t i = 0; i < lines.size(); ++i)
    Check(i % 2 == 0 ? IsHeading(lines[i]) : !lines[i].empty() && !IsHeading(lines[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool playerReads = PlayerReads(text, size * 997);

  const std::vector<std::string> lines = vx::editor::ObjectCriteriaLines(text);
  CheckLines(lines);

  // Shown in the dialog and confirmed unchanged: the same boxes and the same lines.
  const vx::editor::CriteriaBoxes boxes = vx::editor::CriteriaBoxesFrom(text);
  const std::string confirmed = vx::editor::CriteriaTextOf(boxes);
  Check(vx::editor::CriteriaBoxesFrom(confirmed) == boxes);
  Check(vx::editor::ObjectCriteriaLines(confirmed) == lines);
  Check(!vx::editor::CheckCriteriaBoxes(boxes) == playerReads);
  Check(PlayerReads(confirmed, size) == playerReads);

  // Whatever is pasted, the boxes keep their rules.
  for (char c : vx::editor::SizeBoxPaste(text)) Check(c >= '0' && c <= '9');
  Check(vx::editor::SubFieldBoxPaste(text).find(vx::FieldSeparator) == std::string::npos);
  return 0;
}
