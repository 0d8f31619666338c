// The layout after every resize and splitter move: the bars take the top and bottom, the two
// panels share the rest at the splitter, and the controls inside the panels follow
// LayOutMainWindow.
#include <algorithm>

#include "core/editor/document/MainLayout.h"
#include "editor/main/FrmMain.h"

namespace vx::editor {

namespace {

RECT ToRect(const Rect& r) {
  return RECT{r.left, r.top, r.left + r.width, r.top + r.height};
}

void Place(win32::TControl& control, int left, int top, int width, int height) {
  control.SetBounds(RECT{left, top, left + std::max(width, 0), top + std::max(height, 0)});
}

}  // namespace

void Tfrmmain::FormResize() {
  LayOutPanels();
}

void Tfrmmain::LayOutPanels() {
  if (!Handle()) return;
  const int clientWidth = ClientWidth();
  const int clientHeight = ClientHeight();
  const int top = Tbmain.Handle() ? Tbmain.Height() : 0;
  const int bottom = clientHeight - (sbmain.Handle() ? sbmain.Height() : 0);
  const int splitterWidth = Scale(5);
  const int actions = std::clamp(actionsWidth_, 0, std::max(clientWidth - splitterWidth, 0));
  const int height = bottom - top;
  Place(pnlActions, 0, top, actions, height);
  Place(spltmain, actions, top, splitterWidth, height);
  const int listLeft = actions + splitterWidth;
  Place(pnlList, listLeft, top, clientWidth - listLeft, height);
  spltmain.SetRange(0, std::max(clientWidth - splitterWidth, 0));

  MainLayoutInput input;
  input.windowHeight = Bounds().height;
  input.actionsWidth = actions;
  input.listPanelWidth = pnlList.Width();
  input.listPanelHeight = pnlList.Height();
  input.dpi = static_cast<int>(Dpi());
  const MainLayout layout = LayOutMainWindow(input);
  brectactions.SetBounds(ToRect(layout.actionsHeading));
  Tvmain.SetBounds(ToRect(layout.tree));
  bvlsearchtv.SetBounds(ToRect(layout.searchBevel));
  Place(lblsearchtv, layout.searchLabel.x, layout.searchLabel.y, Scale(40), Scale(14));
  txtsearchtv.SetBounds(ToRect(layout.searchEdit));
  brectlist.SetBounds(ToRect(layout.listHeading));
  hdmain.SetBounds(ToRect(layout.header));
  lstmain.SetBounds(ToRect(layout.list));
}

void Tfrmmain::spltmainMoved(int left) {
  actionsWidth_ = std::max(left, 0);
  LayOutPanels();
}

}  // namespace vx::editor
