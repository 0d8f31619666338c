#include "editor/dialogs/FinderImage.h"

#include <array>

namespace vx::editor {

namespace {

// The inverting rectangle over a window's whole area, caption and border included; drawn a
// second time it restores what was there.
void InvertFrame(HWND window) {
  if (!window || !::IsWindow(window)) return;
  const HDC dc = ::GetWindowDC(window);
  if (!dc) return;
  const win32::UniqueGdiObject pen(::CreatePen(PS_SOLID, 3, RGB(255, 255, 255)));
  const HGDIOBJ oldPen = ::SelectObject(dc, pen.Get());
  const HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(HOLLOW_BRUSH));
  const int oldMode = ::SetROP2(dc, R2_XORPEN);
  RECT box{};
  ::GetClipBox(dc, &box);
  ::Rectangle(dc, box.left, box.top, box.right, box.bottom);
  ::SetROP2(dc, oldMode);
  ::SelectObject(dc, oldBrush);
  ::SelectObject(dc, oldPen);
  ::ReleaseDC(window, dc);
}

std::string ClassNameOf(HWND window) {
  std::array<char, 256> name{};
  const int length = ::GetClassNameA(window, name.data(), static_cast<int>(name.size()));
  return std::string(name.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

bool TFinderImage::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      finder_.Press();
      ::SetCapture(window_);
      break;
    case WM_MOUSEMOVE:
      MouseMoved(wParam);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      EndDrag();
      ::ReleaseCapture();
      break;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a message box, Alt+Tab): the frame must not stay.
      EndDrag();
      break;
    case WM_PAINT:
      PaintGlyph();
      break;
    default:
      return TWinControl::OnWindowMessage(message, wParam, lParam, result);
  }
  result = 0;
  return true;
}

void TFinderImage::MouseMoved(WPARAM buttons) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const HWND under = ::WindowFromPoint(cursor);
  const HWND root = under ? ::GetAncestor(under, GA_ROOT) : nullptr;
  const WindowFinder::Frames frames =
      finder_.Move((buttons & MK_LBUTTON) != 0, reinterpret_cast<WindowFinder::Window>(root));
  Draw(frames);
  if (frames.takeClassName && OnWindowFound)
    OnWindowFound(ClassNameOf(reinterpret_cast<HWND>(frames.draw)));
}

void TFinderImage::EndDrag() {
  if (finder_.Dragging() || finder_.Framed()) Draw(finder_.End());
}

void TFinderImage::Draw(const WindowFinder::Frames& frames) {
  // The new frame first, then the old one erased, so the two never show at once as gaps.
  if (frames.draw) InvertFrame(reinterpret_cast<HWND>(frames.draw));
  if (frames.erase) InvertFrame(reinterpret_cast<HWND>(frames.erase));
}

void TFinderImage::PaintGlyph() const {
  PAINTSTRUCT paint{};
  const HDC dc = ::BeginPaint(window_, &paint);
  RECT area{};
  ::GetClientRect(window_, &area);
  ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
  const int inset = Scale(2);
  const win32::UniqueGdiObject pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  const HGDIOBJ oldPen = ::SelectObject(dc, pen.Get());
  const HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(HOLLOW_BRUSH));
  ::Ellipse(dc, area.left + inset, area.top + inset, area.right - inset, area.bottom - inset);
  const int midX = (area.left + area.right) / 2;
  const int midY = (area.top + area.bottom) / 2;
  ::MoveToEx(dc, midX, area.top, nullptr);
  ::LineTo(dc, midX, area.bottom);
  ::MoveToEx(dc, area.left, midY, nullptr);
  ::LineTo(dc, area.right, midY);
  ::SelectObject(dc, oldBrush);
  ::SelectObject(dc, oldPen);
  ::EndPaint(window_, &paint);
}

}  // namespace vx::editor
