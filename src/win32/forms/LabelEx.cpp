#include "win32/forms/LabelEx.h"

#include "win32/forms/Form.h"

namespace vx::win32 {

TLabelEx::TLabelEx() {
  fontOver_.underline = false;
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
  RECT r = bounds_;
  const HBRUSH brush = ::CreateSolidBrush(colorOver_);
  ::FillRect(dc, &r, brush);
  ::DeleteObject(brush);
  const HGDIOBJ old = ::SelectObject(dc, overFont_.Get());
  ::SetBkMode(dc, TRANSPARENT);
  const FontDef& font = fontOver_.face ? fontOver_ : EffectiveFont();
  ::SetTextColor(dc, font.color == DefaultTextColor ? ::GetSysColor(COLOR_WINDOWTEXT) : font.color);
  ::DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
              DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  ::SelectObject(dc, old);
}

}  // namespace vx::win32
