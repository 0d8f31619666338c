// Any bytes may stand in a step's object criteria (a hand-made script): the player's parse
// must end in a criteria or the conversion error, the criteria list's readable lines must
// keep their shape, and the criteria dialog must give back what it was shown and refuse at
// OK exactly the bounds the player would refuse. A Delete Object step with the criteria,
// run against made-up folders (described by the input after its last zero byte), must hand
// the shell exactly the entries of the searched folder that the criteria selects, each by
// its own path.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FolderTreeShell.h"
#include "core/Command.h"
#include "core/Errors.h"
#include "core/Interpreter.h"
#include "core/ObjectCriteria.h"
#include "core/StepKinds.h"
#include "core/editor/dialogs/CriteriaBoxes.h"
#include "core/editor/dialogs/ObjectCriteriaLines.h"
#include "core/editor/dialogs/SizeBox.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool PlayerReads(const std::string& text) {
  try {
    vx::ParseObjectCriteria(text);
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

void CheckEditorSide(const std::string& text) {
  const bool playerReads = PlayerReads(text);
  const std::vector<std::string> lines = vx::editor::ObjectCriteriaLines(text);
  CheckLines(lines);

  // Shown in the dialog and confirmed unchanged: the same boxes and the same lines.
  const vx::editor::CriteriaBoxes boxes = vx::editor::CriteriaBoxesFrom(text);
  const std::string confirmed = vx::editor::CriteriaTextOf(boxes);
  Check(vx::editor::CriteriaBoxesFrom(confirmed) == boxes);
  Check(vx::editor::ObjectCriteriaLines(confirmed) == lines);
  Check(!vx::editor::CheckCriteriaBoxes(boxes) == playerReads);
  Check(PlayerReads(confirmed) == playerReads);

  // Whatever is pasted, the boxes keep their rules.
  for (char c : vx::editor::SizeBoxPaste(text)) Check(c >= '0' && c <= '9');
  Check(vx::editor::SubFieldBoxPaste(text).find(vx::FieldSeparator) == std::string::npos);
}

// The selection rules, stated apart from the player's code: a plain folder only without an
// extension list; anything else with its extension (after the last dot) inside the list
// when there is one, and a size in bytes within the bounds, which count kilobytes.
bool Selected(const vx::ObjectCriteria& criteria, const vx::FindEntry& entry) {
  if (entry.attributes == 0x10) return criteria.extensions.empty();
  const std::size_t dot = entry.name.rfind('.');
  const std::string extension = dot == std::string::npos ? "" : entry.name.substr(dot + 1);
  if (!criteria.extensions.empty() &&
      (extension.empty() || criteria.extensions.find(extension) == std::string::npos))
    return false;
  const bool aboveLower =
      criteria.lower <= 0 || entry.size >= static_cast<std::uint64_t>(criteria.lower) * 1024;
  const bool belowUpper =
      criteria.upper == 0 ||
      (criteria.upper > 0 && entry.size <= static_cast<std::uint64_t>(criteria.upper) * 1024);
  return aboveLower && belowUpper;
}

// Whether a folder can hold an entry of this name.
bool IsEntryName(const std::string& name) {
  if (name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 32 ||
           std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
}

// Folders and entries from the input's tail: entries split at line feeds, each a code byte
// (folder, attributes, a few bytes more or less), a size byte and the name. The location
// folder holds the folder "sub"; a third folder lies elsewhere.
void MakeTree(const std::string& location, const std::string& bytes,
              vxfuzz::FolderTreeShell& shell) {
  static constexpr std::array<std::uint32_t, 8> attributes{0x20, 0x10, 0x80, 0x01,
                                                           0x12, 0x11, 0x22, 0x30};
  const std::string home = location.empty() || location.back() != '\\' ? location + '\\' : location;
  shell.folders = {home, home + "sub\\", "C:\\other\\"};
  shell.tree.push_back({home, {"sub", 0x10, 0}});
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    const std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (line.size() < 3) continue;
    const std::string name = line.substr(2);
    if (!IsEntryName(name)) continue;
    const auto code = static_cast<std::uint8_t>(line[0]);
    const auto sizeCode = static_cast<std::uint8_t>(line[1]);
    // Sizes a few bytes either side of whole kilobytes, and some past 2 and 4 GB.
    const std::uint64_t base =
        sizeCode >= 0xF8 ? std::uint64_t{sizeCode - 0xF7u} << 31 : (sizeCode - 1u) * 256u;
    const std::uint64_t size = std::max(base + (code >> 5), std::uint64_t{4}) - 4;
    const std::string& folder = shell.folders[(code & 3) % 3];
    shell.tree.push_back({folder, {name, attributes[(code >> 2) & 7], size}});
  }
}

// What the step must log and hand the shell: of the entries the search handed out, the
// ones the criteria selects, each by the path where the search found it.
struct Outcome {
  std::vector<std::string> lines{"Query Result:"};
  std::string from;
};

Outcome Expected(const vxfuzz::FolderTreeShell& shell, const vx::ObjectCriteria& criteria) {
  Outcome outcome;
  for (std::size_t i = 0; i < shell.handedOut.size(); ++i) {
    const vx::FindEntry& entry = shell.handedOutEntries[i];
    if (entry.name == "." || entry.name == ".." || !Selected(criteria, entry)) continue;
    outcome.lines.push_back(shell.handedOut[i]);
    outcome.from += shell.handedOut[i] + '\0';
  }
  if (outcome.from.empty()) outcome.from += '\0';
  outcome.from += '\0';
  outcome.lines.push_back("Deletion Succeeded.");
  return outcome;
}

void CheckDeleteStep(const std::string& text, const std::string& treeBytes) {
  vxfuzz::FolderTreeShell shell;
  const bool reads = PlayerReads(text);
  const vx::ObjectCriteria criteria = reads ? vx::ParseObjectCriteria(text) : vx::ObjectCriteria{};
  MakeTree(criteria.location, treeBytes, shell);
  struct Lines : vx::StepLog {
    std::vector<std::string> lines;
    void Add(const std::string& line) override { lines.push_back(line); }
  } log;
  vx::PlayerState state;
  vx::Ports ports{shell, shell, shell, shell, shell, shell, shell, shell};
  vx::StepContext context{log, state, ports};
  vx::TCommand step;
  step.kind = vx::ckDeleteObject;
  step.p1 = text;
  step.p2 = "p";
  try {
    vx::ExecuteStep(context, step);
  } catch (const vx::ConvertError&) {
    Check(!reads && shell.searches.empty() && shell.operations.empty());
    return;
  }
  // One search at most, none without a location, and every entry it finds looked at.
  Check(reads && shell.searches.size() <= (criteria.location.empty() ? 0u : 1u));
  Check(!shell.cutShort);
  // The system would read a pattern only up to a zero byte: it would search something else.
  for (const std::string& pattern : shell.searches) Check(pattern.find('\0') == std::string::npos);
  const Outcome expected = Expected(shell, criteria);
  Check(log.lines == expected.lines && shell.operations.size() == 1);
  const vxfuzz::Operation& operation = shell.operations[0];
  Check(operation.func == vx::kFoDelete && operation.from == expected.from &&
        operation.to.empty() && operation.flags == vx::kFofNoConfirmation);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = input.rfind('\0');
  const std::string text = cut == std::string::npos ? input : input.substr(0, cut);
  CheckEditorSide(text);
  CheckDeleteStep(text, cut == std::string::npos ? std::string() : input.substr(cut + 1));
  return 0;
}
