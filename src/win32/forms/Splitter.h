// A vertical splitter between two side-by-side parts: dragging shows an inverted line over
// the parent, and the release reports the new position once (the parts are resized then,
// not while dragging).
#pragma once

#include <functional>

#include "win32/forms/Control.h"

namespace vx::win32 {

class TSplitter : public TWinControl {
 public:
  // The splitter's new left edge in client pixels of its parent, after a drag's release.
  std::function<void(int left)> OnMoved;
  // The range the splitter's left edge may take while dragging, in client pixels.
  void SetRange(int minimumLeft, int maximumLeft);

 protected:
  const char* ClassName() const override;
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void DrawLine(int left) const;  // inverted, on the parent
  int Clamp(int left) const;
  int minimum_ = 0;
  int maximum_ = 1 << 30;
  bool dragging_ = false;
  int grabOffset_ = 0;
  int lineLeft_ = 0;
};

}  // namespace vx::win32
