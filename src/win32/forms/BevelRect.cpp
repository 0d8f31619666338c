#include "win32/forms/BevelRect.h"

#include "core/forms/BevelBands.h"
#include "win32/forms/Form.h"

namespace vx::win32 {

namespace {

COLORREF ToColor(const BandColor& color) {
  return RGB(color.red, color.green, color.blue);
}

}  // namespace

const char* TBevelRect::ClassName() const {
  static const char* const name = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = "VxBevelRect";
    ::RegisterClassExA(&windowClass);
    return "VxBevelRect";
  }();
  return name;
}

void TBevelRect::AfterCreate() {
  if (def_.caption && *def_.caption) caption_ = def_.caption;
  captionFont_ = def_.font;
}

void TBevelRect::ApplyDpi() {
  TWinControl::ApplyDpi();
  if (form_) font_.Reset(CreateFontFor(captionFont_, form_->Def().font, form_->Dpi()));
  Invalidate();
}

void TBevelRect::SetCaption(const std::string& text) {
  caption_ = text;
  Invalidate();
  if (window_) ::UpdateWindow(window_);
}

void TBevelRect::SetFont(const FontDef& font) {
  captionFont_ = font;
  if (form_) font_.Reset(CreateFontFor(captionFont_, form_->Def().font, form_->Dpi()));
  Invalidate();
  if (window_) ::UpdateWindow(window_);
}

void TBevelRect::PaintTo(HDC dc, int width, int height) const {
  for (const Band& band : BevelBands(height)) {
    const RECT r = {0, band.top, width, band.bottom};
    const HBRUSH brush = ::CreateSolidBrush(ToColor(band.color));
    ::FillRect(dc, &r, brush);
    ::DeleteObject(brush);
  }
  const HGDIOBJ oldFont = ::SelectObject(dc, font_.Get());
  SIZE text{};
  ::GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text);
  const CaptionOrigin at = BevelCaptionOrigin(width, height, text.cx, text.cy);
  ::SetBkMode(dc, TRANSPARENT);
  const COLORREF color =
      captionFont_.color == DefaultTextColor ? ::GetSysColor(COLOR_WINDOWTEXT) : captionFont_.color;
  ::SetTextColor(dc, color);
  ::TextOutA(dc, at.x, at.y, caption_.c_str(), static_cast<int>(caption_.size()));
  ::SelectObject(dc, oldFont);
  // The frame's right and bottom edges are exclusive: its right edge lies at W - 2.
  const RECT frame = {0, 0, width - 1, height};
  const HBRUSH brush = ::CreateSolidBrush(ToColor(BevelFrameColor));
  ::FrameRect(dc, &frame, brush);
  ::DeleteObject(brush);
}

bool TBevelRect::OnWindowMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
  if (message == WM_ERASEBKGND) {
    result = 1;
    return true;
  }
  if (message != WM_PAINT) return false;
  PAINTSTRUCT ps;
  const HDC dc = ::BeginPaint(window_, &ps);
  RECT client;
  ::GetClientRect(window_, &client);
  PaintTo(dc, client.right, client.bottom);
  ::EndPaint(window_, &ps);
  result = 0;
  return true;
}

}  // namespace vx::win32
