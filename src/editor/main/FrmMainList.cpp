// The step list: each line shows its step; mouse, drag and drop, keys and Properties.
// (A first version: a line shows its step kind's name.)
#include "core/StepKinds.h"
#include "editor/main/FrmMain.h"

namespace vx::editor {

void Tfrmmain::SetUpList() {
  lstmain.SetItemHeight(40);
  lstmain.OnDrawItem = [this](const win32::DrawItemArgs& item) { lstmainDrawItem(item); };
  lstmain.OnSelect = [this] { lstmainSelect(); };
  lstmain.OnDoubleClick = [this] { lstmainDblClick(); };
}

void Tfrmmain::RebuildList() {
  const StepList& steps = Steps();
  lstmain.Rebuild(static_cast<int>(steps.Count()), [&steps](int index) {
    return StepKindName(steps.Step(static_cast<std::size_t>(index)).kind);
  });
}

void Tfrmmain::lstmainDrawItem(const win32::DrawItemArgs& item) {
  const bool selected = item.selected;
  ::FillRect(item.dc, &item.rect, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.index < 0 || static_cast<std::size_t>(item.index) >= Steps().Count()) return;
  const std::string text = StepKindName(Steps().Step(static_cast<std::size_t>(item.index)).kind);
  ::SetBkMode(item.dc, TRANSPARENT);
  ::SetTextColor(item.dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT text_rect = item.rect;
  text_rect.left += Scale(4);
  ::DrawTextA(item.dc, text.c_str(), static_cast<int>(text.size()), &text_rect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// The model keeps the selection; the list box's own follows the user's clicks.
void Tfrmmain::lstmainSelect() {
  StepList& steps = Steps();
  steps.SelectAll(false);
  for (const int index : lstmain.SelectedIndexes())
    if (index >= 0 && static_cast<std::size_t>(index) < steps.Count())
      steps.SetSelected(static_cast<std::size_t>(index), true);
}

void Tfrmmain::lstmainDblClick() {}

}  // namespace vx::editor
