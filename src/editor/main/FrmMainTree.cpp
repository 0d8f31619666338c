// The tree of step kinds: its nodes, its search, custom draw and double click.
// (A first version: the nodes only.)
#include <vector>

#include "core/editor/list/ActionTree.h"
#include "editor/main/FrmMain.h"

namespace vx::editor {

void Tfrmmain::SetUpTree() {
  Tvmain.SetIndent(19);
  Tvmain.OnDoubleClick = [this] { TvmainDblClick(); };
  txtsearchtv.OnChange = [this] { txtsearchtvChange(); };
  FillTree();
}

void Tfrmmain::FillTree() {
  Tvmain.Clear();
  std::vector<HTREEITEM> items;
  items.reserve(ActionTree.size());
  for (const ActionTreeNode& node : ActionTree) {
    const HTREEITEM parent =
        node.parent >= 0 ? items[static_cast<std::size_t>(node.parent)] : TVI_ROOT;
    items.push_back(Tvmain.Add(parent, node.text, node.image, node.image));
  }
}

void Tfrmmain::txtsearchtvChange() {}

void Tfrmmain::TvmainDblClick() {}

}  // namespace vx::editor
