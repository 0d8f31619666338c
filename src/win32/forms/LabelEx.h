// TLabelEx: a label that behaves as a link. While the mouse is over it, it shows FontOver on
// an opaque ColorOver background with the hand cursor; otherwise its own font on a
// transparent background. It keeps its own hover flag, so a leave without an enter, or two
// enters, still end with the right font. It covers exactly its design bounds, the text
// centred vertically (without a width and height in its ControlDef it fits its text).
#pragma once

#include "win32/forms/StdControls.h"

namespace vx::win32 {

class TLabelEx : public TLabel {
 public:
  TLabelEx();
  // Copies the font shown while hovered.
  void SetFontOver(const FontDef& font);
  void SetColorOver(COLORREF color);
  bool Hovered() const { return hovered_; }

  void Paint(HDC dc) const override;
  void ApplyDpi() override;
  bool WantsMouse() const override { return true; }
  void MouseEnter() override;
  void MouseLeave() override;
  HCURSOR Cursor() const override;

 private:
  FontDef fontOver_;
  COLORREF colorOver_ = RGB(255, 255, 255);
  UniqueGdiObject overFont_;
  bool hovered_ = false;
};

}  // namespace vx::win32
