// The window finder of the window dialog: while the user drags the finder image, the
// window under the pointer is framed and its class name goes into the window box.
//
// The caller passes the top-level window under the pointer (the root of what the system
// finds at the point), never a child: the window steps look for top-level windows by class,
// so a child's class would match nothing, or an unrelated window that Kill Window would end.
// The frame is an inverting rectangle, drawn once to show and once more to erase, so every
// frame drawn must be erased exactly once.
#pragma once

#include <cstdint>

namespace vx::editor {

class WindowFinder {
 public:
  using Window = std::uintptr_t;  // a window handle; 0 for none

  // What the caller draws after an event: erase the frame of one window, frame another and
  // take the framed window's class name into the window box.
  struct Frames {
    Window erase = 0;
    Window draw = 0;
    bool takeClassName = false;  // of draw

    bool operator==(const Frames&) const = default;
  };

  // At every showing of the dialog: nothing is framed (a frame of an earlier showing was
  // erased when its drag ended).
  void Reset();

  // A mouse button went down on the finder image: the caller captures the mouse.
  void Press() { dragging_ = true; }

  // The pointer moved; leftDown tells whether the left button is held, root is the
  // top-level window under the pointer (0 over none). Outside a drag, without the left
  // button, over the framed window or over no window nothing changes.
  Frames Move(bool leftDown, Window root);

  // The button was released, or the capture was lost: the frame is erased and the drag
  // ends. The caller releases the capture; the class name stays in the box.
  Frames End();

  Window Framed() const { return framed_; }
  bool Dragging() const { return dragging_; }

 private:
  Window framed_ = 0;
  bool dragging_ = false;
};

}  // namespace vx::editor
