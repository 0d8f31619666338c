// The action tree's fixed content (the catalogue of step kinds in six families plus
// "Record"), its search, and which step dialog serves which kind or node.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vx::editor {

// The step dialogs, one per family.
enum class StepDialog : std::uint8_t {
  None,  // opens nothing
  Clipboard,
  FileOp,
  Internet,
  Window,
  UserInput,
  System,
  Record,
};

struct ActionTreeNode {
  const char* text;  // a leaf's text is exactly its step-kind name
  int level;         // 0 for a family and for "Record", 1 for a family's kinds
  int parent;        // index of the family node, -1 at level 0
  // Index into the 16-pixel image list, the same for the node's normal and selected image.
  std::uint8_t image;
};

inline constexpr std::size_t ActionTreeNodeCount = 42;

// In the tree's absolute index order: a family, its kinds, the next family ... "Record".
extern const std::array<ActionTreeNode, ActionTreeNodeCount> ActionTree;

// Lower-cases "A".."Z" only; every other byte stays as it is.
std::string AsciiLower(std::string text);

// The first node, in absolute index order, whose text contains `text` ignoring ASCII
// case; -1 when none does or when `text` is empty (the selection then stays).
int SearchActionTree(const std::string& text);

// The dialog that a family node's text names (exact, case-sensitive), else None.
StepDialog DialogForFamily(const std::string& familyText);

// The dialog that edits a step of this kind; None for a code that is not a step kind
// (200 to 206 from a foreign file, say).
StepDialog DialogForKind(std::uint8_t kind);

// A double-click on the tree acts on its selected node (-1: none): the dialog it opens in
// adding mode, and whether the adding flag is set (it is, for any selected node).
struct TreeDoubleClick {
  bool setAdding = false;
  StepDialog dialog = StepDialog::None;
};
TreeDoubleClick DecideTreeDoubleClick(int selectedNode);

}  // namespace vx::editor
