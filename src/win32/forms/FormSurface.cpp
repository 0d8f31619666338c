// The form's own surface: its background and window-less controls, painted in one place,
// and those controls under the mouse (hover, cursor, click).
#include <utility>

#include "win32/forms/Form.h"

namespace vx::win32 {

TForm::Handled TForm::OnEraseBackground(HDC dc) const {
  // The form paints its whole surface in WM_PAINT; a transparent child (a flat toolbar) asks
  // for the background under it with its own device context.
  if (::WindowFromDC(dc) != Handle()) {
    RECT area{};
    ::GetClipBox(dc, &area);
    Paint(dc, area);
  }
  return 1;
}

TForm::Handled TForm::OnPrintClient(HDC dc) const {
  RECT area{};
  ::GetClientRect(Handle(), &area);
  Paint(dc, area);
  return 0;
}

TForm::Handled TForm::OnPaint() const {
  PAINTSTRUCT ps;
  const HDC dc = ::BeginPaint(Handle(), &ps);
  Paint(dc, ps.rcPaint);
  ::EndPaint(Handle(), &ps);
  return 0;
}

void TForm::Paint(HDC dc, const RECT& area) const {
  // Drawn off screen first: a gradient's many bands would otherwise flicker.
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  const HDC memory = ::CreateCompatibleDC(dc);
  UniqueGdiObject surface(::CreateCompatibleBitmap(dc, width, height));
  if (!memory || !surface) {
    if (memory) ::DeleteDC(memory);
    return;
  }
  const HGDIOBJ oldBitmap = ::SelectObject(memory, surface.Get());
  ::SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
  ::FillRect(memory, &area, static_cast<HBRUSH>(backgroundBrush_.Get()));
  controls_.PaintOnForm(memory);
  ::SetViewportOrgEx(memory, 0, 0, nullptr);
  ::BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, oldBitmap);
  ::DeleteDC(memory);
}

void TForm::TrackMouse(POINT client) {
  TGraphicControl* under = controls_.PaintedAt(client);
  if (under == hovered_) return;
  if (hovered_) hovered_->MouseLeave();
  hovered_ = under;
  if (hovered_) {
    hovered_->MouseEnter();
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    ::TrackMouseEvent(&track);
  }
}

TForm::Handled TForm::SetHoveredCursor() {
  if (!hovered_ || !hovered_->Cursor()) return std::nullopt;
  ::SetCursor(hovered_->Cursor());
  return TRUE;
}

void TForm::OnMouseLeave() {
  if (hovered_) hovered_->MouseLeave();
  hovered_ = nullptr;
}

// A click is a press and a release on the same control: the press is remembered, with the
// mouse held so that the release comes here wherever it lands.
TForm::Handled TForm::OnLeftButtonDown(POINT client) {
  pressed_ = controls_.PaintedAt(client);
  if (!pressed_ || !pressed_->OnClick) {
    pressed_ = nullptr;
    return std::nullopt;
  }
  ::SetCapture(Handle());
  return 0;
}

// A release alone, such as the end of the double click that opened this window, is no click.
TForm::Handled TForm::OnLeftButtonUp(POINT client) {
  TGraphicControl* const pressed = std::exchange(pressed_, nullptr);
  if (::GetCapture() == Handle()) ::ReleaseCapture();
  if (!pressed || !pressed->OnClick || pressed != controls_.PaintedAt(client)) return std::nullopt;
  pressed->OnClick();
  return 0;
}

}  // namespace vx::win32
