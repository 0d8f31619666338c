// The window finder's image: pressing a mouse button on it starts a drag during which the
// top-level window under the pointer is framed and named; the drag ends at the button's
// release or when the mouse capture is taken away, and leaves no frame drawn either way.
#pragma once

#include <functional>
#include <string>

#include "core/editor/dialogs/WindowFinder.h"
#include "win32/forms/Control.h"

namespace vx::editor {

class TFinderImage : public win32::TWinControl {
 public:
  // The class name of the window now framed.
  std::function<void(const std::string& className)> OnWindowFound;
  // At every showing of the dialog.
  void Reset() { finder_.Reset(); }
  HWND Framed() const { return reinterpret_cast<HWND>(finder_.Framed()); }

 protected:
  const char* ClassName() const override { return "STATIC"; }
  // SS_NOTIFY: without it a static control lets the mouse through to its parent.
  DWORD OwnStyle() const override { return SS_NOTIFY; }
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void MouseMoved(WPARAM buttons);
  void EndDrag();
  void Draw(const WindowFinder::Frames& frames);
  void PaintGlyph() const;

  WindowFinder finder_;
};

}  // namespace vx::editor
