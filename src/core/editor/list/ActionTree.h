// The action tree's content (the catalogue of step kinds in six families plus "Record"),
// read from the family table; its search, and which step dialog serves which kind or node.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/StepFamilies.h"

namespace vx::editor {

struct ActionTreeNode {
  std::string text;  // a kind's node shows the kind's name (StepKindName)
  int level;         // 0 for a family and for "Record", 1 for a family's kinds
  int parent;        // index of the family node, -1 at level 0
  // Index into the 16-pixel image list, the same for the node's normal and selected image.
  std::uint8_t image;
  std::uint8_t kind;  // the kind of a kind's node; 0 (no kind) for a family's node
  StepFamily family;
};

// In the tree's absolute index order: a family, its kinds, the next family ... "Record".
std::span<const ActionTreeNode> ActionTree();

// Lower-cases "A".."Z" only; every other byte stays as it is.
std::string AsciiLower(std::string text);

// The first node, in absolute index order, whose text contains `text` ignoring ASCII
// case; -1 when none does or when `text` is empty (the selection then stays).
int SearchActionTree(const std::string& text);

// A double-click on the tree acts on its selected node (-1: none): the dialog it opens in
// adding mode, and whether the adding flag is set (it is, for any selected node).
struct TreeDoubleClick {
  bool setAdding = false;
  StepFamily dialog = StepFamily::None;  // one dialog edits all of a family's kinds
};
TreeDoubleClick DecideTreeDoubleClick(int selectedNode);

}  // namespace vx::editor
