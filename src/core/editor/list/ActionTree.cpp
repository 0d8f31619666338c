#include "core/editor/list/ActionTree.h"

#include <vector>

#include "core/StepKinds.h"

namespace vx::editor {

namespace {

std::vector<ActionTreeNode> BuildActionTree() {
  std::vector<ActionTreeNode> nodes;
  for (const StepFamilyEntry& entry : StepFamilies) {
    if (!entry.text) {
      // A family of one kind: the kind's own node stands at the top level.
      const std::uint8_t kind = entry.kinds.front();
      nodes.push_back({StepKindName(kind), 0, -1, entry.image, kind, entry.family});
      continue;
    }
    const int parent = static_cast<int>(nodes.size());
    nodes.push_back({entry.text, 0, -1, entry.image, 0, entry.family});
    std::uint8_t image = entry.image;
    for (const std::uint8_t kind : entry.kinds) {
      nodes.push_back({StepKindName(kind), 1, parent, ++image, kind, entry.family});
    }
  }
  return nodes;
}

}  // namespace

std::span<const ActionTreeNode> ActionTree() {
  static const std::vector<ActionTreeNode> nodes = BuildActionTree();
  return nodes;
}

std::string AsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

int SearchActionTree(const std::string& text) {
  if (text.empty()) return -1;
  const std::string wanted = AsciiLower(text);
  const std::span<const ActionTreeNode> tree = ActionTree();
  for (std::size_t i = 0; i < tree.size(); ++i) {
    if (AsciiLower(tree[i].text).find(wanted) != std::string::npos) return static_cast<int>(i);
  }
  return -1;
}

TreeDoubleClick DecideTreeDoubleClick(int selectedNode) {
  const std::span<const ActionTreeNode> tree = ActionTree();
  if (selectedNode < 0 || selectedNode >= static_cast<int>(tree.size())) return {};
  // A kind's node opens its family's dialog; a family's own node opens nothing.
  const ActionTreeNode& node = tree[static_cast<std::size_t>(selectedNode)];
  return {true, node.kind != 0 ? node.family : StepFamily::None};
}

}  // namespace vx::editor
