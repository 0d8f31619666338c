#include "core/editor/dialogs/WindowFinder.h"

namespace vx::editor {

void WindowFinder::Reset() {
  framed_ = 0;
  dragging_ = false;
}

WindowFinder::Frames WindowFinder::Move(bool leftDown, Window root) {
  if (!dragging_ || !leftDown || root == 0 || root == framed_) return {};
  Frames frames{framed_, root, true};
  framed_ = root;
  return frames;
}

WindowFinder::Frames WindowFinder::End() {
  Frames frames{framed_, 0, false};
  framed_ = 0;
  dragging_ = false;
  return frames;
}

}  // namespace vx::editor
