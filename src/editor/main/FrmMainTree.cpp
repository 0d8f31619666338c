// The tree of step kinds: its nodes, its search, custom draw and double click.
#include <algorithm>
#include <vector>

#include "core/editor/list/ActionTree.h"
#include "editor/main/FrmMain.h"

namespace vx::editor {

void Tfrmmain::SetUpTree() {
  Tvmain.SetIndent(19);
  Tvmain.OnDoubleClick = [this] { TvmainDblClick(); };
  Tvmain.OnCustomDraw = [this](NMTVCUSTOMDRAW& draw) { return TvmainCustomDrawItem(draw); };
  txtsearchtv.OnChange = [this] { txtsearchtvChange(); };
  FillTree();
}

void Tfrmmain::FillTree() {
  Tvmain.Clear();
  treeItems_.clear();
  treeItems_.reserve(ActionTree().size());
  for (const ActionTreeNode& node : ActionTree()) {
    const HTREEITEM parent =
        node.parent >= 0 ? treeItems_[static_cast<std::size_t>(node.parent)] : TVI_ROOT;
    treeItems_.push_back(Tvmain.Add(parent, node.text, node.image, node.image));
  }
}

void Tfrmmain::txtsearchtvChange() {
  const int found = SearchActionTree(txtsearchtv.Text());
  // Selecting a node expands its family and scrolls it into view.
  if (found >= 0) Tvmain.Select(treeItems_[static_cast<std::size_t>(found)]);
}

std::string Tfrmmain::SelectedTreeNodeText() const {
  const HTREEITEM selected = Tvmain.Selected();
  return selected ? Tvmain.ItemText(selected) : std::string();
}

void Tfrmmain::TvmainDblClick() {
  const auto found = std::find(treeItems_.begin(), treeItems_.end(), Tvmain.Selected());
  const int node = found == treeItems_.end() || !*found
                       ? -1
                       : static_cast<int>(std::distance(treeItems_.begin(), found));
  const TreeDoubleClick decision = DecideTreeDoubleClick(node);
  if (decision.setAdding) adding_ = true;
  OpenStepDialog(decision.dialog);
}

LRESULT Tfrmmain::TvmainCustomDrawItem(NMTVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      // Selected or focused nodes keep the highlight colours also without the focus.
      if (draw.nmcd.uItemState & (CDIS_SELECTED | CDIS_FOCUS)) {
        draw.clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        draw.clrTextBk = ::GetSysColor(COLOR_HIGHLIGHT);
      }
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

}  // namespace vx::editor
