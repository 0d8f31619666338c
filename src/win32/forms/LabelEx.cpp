#include "win32/forms/LabelEx.h"

#include "win32/forms/Form.h"

namespace vx::win32 {

TLabelEx::TLabelEx() {
  autoSize_ = false;
}

void TLabelEx::SetFontOver(const FontDef& font) {
  fontOver_ = font;
  if (form_) overFont_.Reset(CreateFontFor(fontOver_, form_->Def().font, form_->Dpi()));
  if (hovered_) Invalidate();
}

void TLabelEx::SetColorOver(COLORREF color) {
  colorOver_ = color;
  if (hovered_) Invalidate();
}

void TLabelEx::ApplyDpi() {
  autoSize_ = def_.width <= 0 || def_.height <= 0;
  TLabel::ApplyDpi();
  if (form_) overFont_.Reset(CreateFontFor(fontOver_, form_->Def().font, form_->Dpi()));
}

void TLabelEx::MouseEnter() {
  if (hovered_) return;
  hovered_ = true;
  Invalidate();
}

void TLabelEx::MouseLeave() {
  if (!hovered_) return;
  hovered_ = false;
  Invalidate();
}

HCURSOR TLabelEx::Cursor() const {
  return hovered_ ? ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)) : nullptr;
}

void TLabelEx::Paint(HDC dc) const {
  if (!hovered_) {
    TLabel::Paint(dc);
    return;
  }
  const HBRUSH brush = ::CreateSolidBrush(colorOver_);
  ::FillRect(dc, &bounds_, brush);
  ::DeleteObject(brush);
  const FontDef font = fontOver_.face ? fontOver_ : EffectiveFont();
  DrawCaption(dc, static_cast<HFONT>(overFont_.Get()),
              font.color == DefaultTextColor ? ::GetSysColor(COLOR_WINDOWTEXT) : font.color);
}

}  // namespace vx::win32
