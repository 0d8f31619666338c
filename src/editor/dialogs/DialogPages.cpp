#include "editor/dialogs/DialogPages.h"

namespace vx::editor {

namespace {

constexpr int LinkHeight = 18;
constexpr COLORREF White = RGB(255, 255, 255);

}  // namespace

void DialogPages::Assign(std::initializer_list<std::vector<win32::TControl*>> pages) {
  pages_.assign(pages.begin(), pages.end());
  shown_ = -1;
}

void DialogPages::Show(int index) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (static_cast<int>(i) == index) continue;
    for (win32::TControl* control : pages_[i]) control->SetVisible(false);
  }
  if (index >= 0 && index < static_cast<int>(pages_.size()))
    for (win32::TControl* control : pages_[static_cast<std::size_t>(index)])
      control->SetVisible(true);
  shown_ = index;
}

win32::ControlDef PageLinkDef(const char* caption, int bandWidth, int dialogHeight, int row) {
  return {.caption = caption,
          .left = 4,
          .top = dialogHeight - 12 - (row + 1) * (LinkHeight + 4),
          .width = bandWidth - 8,
          .height = LinkHeight,
          .font = {.face = "Verdana", .points = 8, .color = White}};
}

}  // namespace vx::editor
