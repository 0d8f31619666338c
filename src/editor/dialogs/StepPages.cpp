#include "editor/dialogs/StepPages.h"

namespace vx::editor {

namespace {

constexpr int PagesTop = StepDialogMargin + StepDialogHeadingHeight + 4;
constexpr COLORREF White = RGB(255, 255, 255);
// The links' text under the mouse: blue 100, green 0, red 0.
constexpr COLORREF LinkHover = RGB(0, 0, 100);

}  // namespace

win32::ControlDef PageDef(const StepDialogFrame& frame) {
  const int left = frame.bandWidth + StepDialogMargin;
  return {.left = left,
          .top = PagesTop,
          .width = frame.width - left - StepDialogMargin,
          .height = frame.height - PagesTop - 2 * StepDialogMargin - StepDialogButtonHeight,
          .exStyle = WS_EX_CONTROLPARENT};
}

int PageLinksTop(const StepDialogFrame& frame, int count) {
  return frame.height - StepDialogMargin - count * (PageLinkHeight + 2);
}

win32::ControlDef PageLinkDef(const StepDialogFrame& frame, const char* caption, int top) {
  return {.caption = caption,
          .left = 4,
          .top = top,
          .width = frame.bandWidth - 8,
          .height = PageLinkHeight,
          .font = {.face = "Verdana", .points = 8, .color = White}};
}

void StylePageLink(win32::TLabelEx& link) {
  link.SetFontOver({.face = "Verdana", .points = 8, .color = LinkHover});
  link.SetColorOver(White);
}

void KeepDescriptionAbove(TStepDialog& dialog, const StepDialogFrame& frame, int linksTop) {
  const int top = dialog.lblinfo.Def().top;
  dialog.lblinfo.SetDesignBounds(StepDialogMargin, top, frame.bandWidth - 2 * StepDialogMargin,
                                 linksTop - top - 4);
}

void ShowPage(std::span<win32::TPanel* const> pages, int index) {
  const HWND focus = ::GetFocus();
  bool focusHidden = false;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const bool shown = static_cast<int>(i) == index;
    if (!shown && focus && ::IsChild(pages[i]->Handle(), focus)) focusHidden = true;
    pages[i]->SetVisible(shown);
  }
  // Keys must still reach a control: the focus moves to the shown page's first one.
  if (focusHidden && index >= 0 && static_cast<std::size_t>(index) < pages.size()) {
    const HWND page = pages[static_cast<std::size_t>(index)]->Handle();
    if (const HWND first = ::GetNextDlgTabItem(page, nullptr, FALSE)) ::SetFocus(first);
  }
}

win32::ControlDef BrowseButtonDef(int boxLeft, int boxTop, int boxWidth) {
  return {
      .caption = "...", .left = boxLeft + boxWidth + 2, .top = boxTop, .width = 23, .height = 21};
}

}  // namespace vx::editor
