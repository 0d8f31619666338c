// The form's message handling and the painting of its window-less controls.
#include "win32/forms/Form.h"

namespace vx::win32 {

namespace {

COLORREF TextColorOf(const FontDef& font) {
  return font.color == DefaultTextColor ? ::GetSysColor(COLOR_WINDOWTEXT) : font.color;
}

// A bitmap drawn as a transparent picture: its bottom-left pixel's colour is the background.
void DrawTransparent(HDC dc, HBITMAP bitmap, const RECT& r) {
  BITMAP info{};
  if (!::GetObjectA(bitmap, sizeof info, &info)) return;
  const HDC source = ::CreateCompatibleDC(dc);
  if (!source) return;
  const HGDIOBJ old = ::SelectObject(source, bitmap);
  const COLORREF key = ::GetPixel(source, 0, info.bmHeight - 1);
  ::GdiTransparentBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0,
                      info.bmWidth, info.bmHeight, key);
  ::SelectObject(source, old);
  ::DeleteDC(source);
}

}  // namespace

RECT TForm::TextBounds(const Item& item) const {
  RECT r = ScaledRect(item.def);
  if (item.def.kind != ControlKind::Label) return r;
  // Labels size themselves to their text, as far as the form reaches.
  const HDC dc = ::GetDC(Handle());
  if (!dc) return r;
  const HGDIOBJ old = ::SelectObject(dc, item.font.Get());
  RECT text = {r.left, r.top, r.left + 1, r.top + 1};
  ::DrawTextA(dc, item.caption.c_str(), static_cast<int>(item.caption.size()), &text,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  ::SelectObject(dc, old);
  ::ReleaseDC(Handle(), dc);
  return text;
}

void TForm::PaintItem(HDC dc, const Item& item) const {
  if (!item.visible) return;
  switch (item.def.kind) {
    case ControlKind::Gradient:
      item.gradient.Paint(dc);
      break;
    case ControlKind::Image:
      if (item.bitmap)
        DrawTransparent(dc, static_cast<HBITMAP>(item.bitmap.Get()), ScaledRect(item.def));
      break;
    case ControlKind::Label: {
      RECT r = ScaledRect(item.def);
      RECT client;
      ::GetClientRect(Handle(), &client);
      r.right = client.right;
      r.bottom = client.bottom;
      const HGDIOBJ old = ::SelectObject(dc, item.font.Get());
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, TextColorOf(item.def.font));
      ::DrawTextA(dc, item.caption.c_str(), static_cast<int>(item.caption.size()), &r,
                  DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
      ::SelectObject(dc, old);
      break;
    }
    default:
      break;
  }
}

void TForm::Paint(HDC dc, const RECT& area) const {
  // Drawn off screen first: the gradient's many bands would otherwise flicker.
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
  for (const Item& item : items_) PaintItem(memory, item);
  ::SetViewportOrgEx(memory, 0, 0, nullptr);
  ::BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, oldBitmap);
  ::DeleteDC(memory);
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = Handle();
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = ::BeginPaint(window, &ps);
      Paint(dc, ps.rcPaint);
      ::EndPaint(window, &ps);
      return 0;
    }
    case WM_SHOWWINDOW:
      if (wParam && lParam == 0) FormShow();
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetBkColor(dc, def_.background);
      ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(backgroundBrush_.Get());
    }
    case WM_COMMAND: {
      const HWND from = reinterpret_cast<HWND>(lParam);
      for (const Item& item : items_) {
        if (item.window &&
            (item.window == from || (!from && ::GetDlgCtrlID(item.window) == LOWORD(wParam)))) {
          OnCommand(item.def.name, HIWORD(wParam));
          return 0;
        }
      }
      if (!from && LOWORD(wParam) == IDCANCEL) OnClose();
      return 0;
    }
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DPICHANGED:
      ChangeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      window_.Release();
      break;
    default:
      break;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vx::win32
