#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/editor/list/ActionTree.h"

namespace vx::editor {
namespace {

std::string Found(const std::string& text) {
  const int node = SearchActionTree(text);
  return node < 0 ? "nothing" : ActionTree[static_cast<std::size_t>(node)].text;
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

TEST(ActionTree, EveryLeafIsAStepKindAndImagesRunInTreeOrder) {
  std::size_t leaves = 0;
  for (std::size_t i = 0; i < ActionTree.size(); ++i) {
    const ActionTreeNode& node = ActionTree[i];
    EXPECT_EQ(node.image, i);
    const bool leaf = node.level == 1 || std::string(node.text) == "Record";
    if (!leaf) continue;
    ++leaves;
    EXPECT_EQ(StepKindName(StepKindFromName(node.text)), node.text);
    // Each kind sits in the family of the dialog that edits it.
    const StepDialog family =
        node.level == 1 ? DialogForFamily(ActionTree[static_cast<std::size_t>(node.parent)].text)
                        : StepDialog::Record;
    EXPECT_EQ(DialogForKind(StepKindFromName(node.text)), family) << node.text;
  }
  EXPECT_EQ(leaves, StepKindCount);
}

TEST(ActionTree, KindCodesThatAreNotStepKindsOpenNoDialog) {
  for (int code = 0; code < 256; ++code) {
    const auto kind = static_cast<std::uint8_t>(code);
    const bool isKind = StepKindFromName(StepKindName(kind)) == kind;
    EXPECT_EQ(DialogForKind(kind) != StepDialog::None, isKind) << code;
  }
}

int Node(const char* text) {
  for (std::size_t i = 0; i < ActionTree.size(); ++i) {
    if (std::string(ActionTree[i].text) == text) return static_cast<int>(i);
  }
  return -1;
}

TEST(ActionTree, DoubleClickOpensTheFamilyDialogOfAKindOnly) {
  const TreeDoubleClick sendEmail = DecideTreeDoubleClick(Node("Send Email"));
  EXPECT_TRUE(sendEmail.setAdding);
  EXPECT_EQ(sendEmail.dialog, StepDialog::Internet);

  const TreeDoubleClick internet = DecideTreeDoubleClick(Node("Internet"));
  EXPECT_TRUE(internet.setAdding);  // set, though nothing opens
  EXPECT_EQ(internet.dialog, StepDialog::None);

  EXPECT_EQ(DecideTreeDoubleClick(Node("Record")).dialog, StepDialog::Record);
  EXPECT_EQ(DecideTreeDoubleClick(Node("Get Clipboard")).dialog, StepDialog::Clipboard);
  EXPECT_EQ(DecideTreeDoubleClick(Node("Wait")).dialog, StepDialog::System);

  const TreeDoubleClick none = DecideTreeDoubleClick(-1);
  EXPECT_FALSE(none.setAdding);
  EXPECT_EQ(none.dialog, StepDialog::None);
}

}  // namespace
}  // namespace vx::editor
