#include <gtest/gtest.h>

#include <set>

#include "core/StepKinds.h"
#include "core/editor/list/ActionTree.h"

namespace vx::editor {
namespace {

std::string Found(const std::string& text) {
  const int node = SearchActionTree(text);
  return node < 0 ? "nothing" : ActionTree()[static_cast<std::size_t>(node)].text;
}

TEST(ActionTree, SearchFindsTheFirstNodeInIndexOrderIgnoringAsciiCase) {
  EXPECT_EQ(Found("clip"), "Clipboard");  // the family comes before "Get Clipboard"
  EXPECT_EQ(Found("OBJ"), "Copy Object");
  EXPECT_EQ(Found("dll"), "Call DLL Function");
  EXPECT_EQ(Found("rec"), "Record");
  EXPECT_EQ(Found("log off"), "Log OFF Current User");
  EXPECT_EQ(Found(""), "nothing");
  EXPECT_EQ(Found("zzz"), "nothing");
  // Only A..Z fold: a byte above 127 is compared as it is.
  EXPECT_EQ(AsciiLower("AZ az \xC4\xE4"), "az az \xC4\xE4");
}

// The dialog a node opens takes its kind from the node's text (StepKindFromName), which
// answers 197 for a text it does not know: every kind's node must name its kind exactly.
TEST(ActionTree, EveryKindHasOneNodeNamedAsItAndImagesRunInTreeOrder) {
  const std::span<const ActionTreeNode> tree = ActionTree();
  std::set<std::uint8_t> kinds;
  for (std::size_t i = 0; i < tree.size(); ++i) {
    const ActionTreeNode& node = tree[i];
    EXPECT_EQ(node.image, i) << node.text;
    if (node.kind == 0) continue;
    EXPECT_TRUE(kinds.insert(node.kind).second) << node.text;
    EXPECT_EQ(node.text, StepKindName(node.kind));
    EXPECT_EQ(StepKindFromName(node.text), node.kind);
    if (node.level == 1) {
      EXPECT_EQ(node.family, tree[static_cast<std::size_t>(node.parent)].family) << node.text;
    }
  }
  EXPECT_EQ(tree.size(), 42u);
  EXPECT_EQ(kinds.size(), StepKindCount);
}

TEST(ActionTree, KindCodesThatAreNotStepKindsOpenNoDialog) {
  for (int code = 0; code < 256; ++code) {
    const auto kind = static_cast<std::uint8_t>(code);
    const bool isKind = StepKindFromName(StepKindName(kind)) == kind;
    EXPECT_EQ(FamilyOfKind(kind) != StepFamily::None, isKind) << code;
  }
}

int Node(const char* text) {
  for (std::size_t i = 0; i < ActionTree().size(); ++i) {
    if (ActionTree()[i].text == text) return static_cast<int>(i);
  }
  return -1;
}

TEST(ActionTree, DoubleClickOpensTheFamilyDialogOfAKindOnly) {
  const TreeDoubleClick sendEmail = DecideTreeDoubleClick(Node("Send Email"));
  EXPECT_TRUE(sendEmail.setAdding);
  EXPECT_EQ(sendEmail.dialog, StepFamily::Internet);

  const TreeDoubleClick internet = DecideTreeDoubleClick(Node("Internet"));
  EXPECT_TRUE(internet.setAdding);  // set, though nothing opens
  EXPECT_EQ(internet.dialog, StepFamily::None);

  EXPECT_EQ(DecideTreeDoubleClick(Node("Record")).dialog, StepFamily::Record);
  EXPECT_EQ(DecideTreeDoubleClick(Node("Get Clipboard")).dialog, StepFamily::Clipboard);
  EXPECT_EQ(DecideTreeDoubleClick(Node("Wait")).dialog, StepFamily::System);

  const TreeDoubleClick none = DecideTreeDoubleClick(-1);
  EXPECT_FALSE(none.setAdding);
  EXPECT_EQ(none.dialog, StepFamily::None);
}

}  // namespace
}  // namespace vx::editor
