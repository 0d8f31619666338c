#include "win32/forms/TGradient.h"

namespace vx::win32 {

void TGradient::SetBounds(const RECT& bounds) {
  bounds_ = bounds;
  if (parent_) ::InvalidateRect(parent_, &bounds_, FALSE);
}

void TGradient::SetSteps(std::int32_t value) {
  if (!GradientAcceptsSteps(def_.steps, value)) return;
  def_.steps = value;
  PaintNow();
}

void TGradient::SetStyle(TFillStyle value) {
  if (def_.style == value) return;
  def_.style = value;
  PaintNow();
}

void TGradient::SetColorByte(int index, std::uint8_t value) {
  std::uint8_t* fields[] = {&def_.red2, &def_.green2, &def_.blue2,
                            &def_.red1, &def_.green1, &def_.blue1};
  if (index < 1 || index > 6 || *fields[index - 1] == value) return;
  *fields[index - 1] = value;
  PaintNow();
}

void TGradient::PaintNow() const {
  if (!parent_) return;
  const HDC dc = ::GetDC(parent_);
  if (!dc) return;
  Paint(dc);
  ::ReleaseDC(parent_, dc);
}

void TGradient::Paint(HDC dc) const {
  const int width = bounds_.right - bounds_.left;
  const int height = bounds_.bottom - bounds_.top;
  const int saved = ::SaveDC(dc);
  // Clip in the parent's coordinates first, then draw relative to the control's corner.
  ::IntersectClipRect(dc, bounds_.left, bounds_.top, bounds_.right, bounds_.bottom);
  ::OffsetViewportOrgEx(dc, bounds_.left, bounds_.top, nullptr);
  ::SelectObject(dc, ::GetStockObject(DC_PEN));
  ::SelectObject(dc, ::GetStockObject(DC_BRUSH));
  for (const GradientShape& shape : GradientShapes(def_, width, height)) {
    ::SetDCPenColor(dc, shape.color);
    ::SetDCBrushColor(dc, shape.color);
    if (shape.ellipse)
      ::Ellipse(dc, shape.left, shape.top, shape.right, shape.bottom);
    else
      ::Rectangle(dc, shape.left, shape.top, shape.right, shape.bottom);
  }
  ::RestoreDC(dc, saved);
}

}  // namespace vx::win32
