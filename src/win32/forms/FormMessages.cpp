// The form's message handling: notifications to the controls that sent them, commands by
// id, the close query, and the painting and mouse of its window-less controls.
#include <windowsx.h>

#include <utility>

#include "win32/forms/Application.h"
#include "win32/forms/CommonControls.h"
#include "win32/forms/Form.h"

namespace vx::win32 {

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
  for (const TControl* control : controls_) {
    const auto* painted = dynamic_cast<const TGraphicControl*>(control);
    if (painted && painted->Visible() && !painted->ParentControl()) painted->Paint(memory);
  }
  ::SetViewportOrgEx(memory, 0, 0, nullptr);
  ::BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, oldBitmap);
  ::DeleteDC(memory);
}

TGraphicControl* TForm::GraphicAt(POINT client) const {
  // The last placed lies on top.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    auto* painted = dynamic_cast<TGraphicControl*>(*it);
    if (!painted || !painted->Visible() || !painted->WantsMouse() || painted->ParentControl())
      continue;
    const RECT r = painted->Bounds();
    if (::PtInRect(&r, client)) return painted;
  }
  return nullptr;
}

void TForm::TrackMouse(POINT client) {
  TGraphicControl* under = GraphicAt(client);
  if (under == hovered_) return;
  if (hovered_) hovered_->MouseLeave();
  hovered_ = under;
  if (hovered_) {
    hovered_->MouseEnter();
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    ::TrackMouseEvent(&track);
  }
}

void TForm::ShowCommandHint(WORD command) {
  if (hintBar_) hintBar_->ShowHint(command ? commands_.Hint(command) : std::string());
}

bool TForm::HandleCommand(WPARAM wParam, LPARAM lParam) {
  const WORD id = LOWORD(wParam);
  const HWND from = reinterpret_cast<HWND>(lParam);
  if (IsCommandId(id)) {
    OnCommand(id);
    return true;
  }
  if (TWinControl* control = ControlOf(from)) {
    control->CommandNotification(HIWORD(wParam));
    return true;
  }
  if (!from && id == IDCANCEL) {
    OnCancelKey();
    return true;
  }
  return false;
}

bool TForm::RouteChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND:
      return HandleCommand(wParam, lParam);
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if ((header.code == TTN_GETDISPINFOA || header.code == TTN_GETDISPINFOW) &&
          IsCommandId(static_cast<unsigned>(header.idFrom))) {
        // A toolbar button's tip is its command's hint.
        static thread_local std::string tip;
        tip = commands_.Hint(static_cast<WORD>(header.idFrom));
        if (header.code == TTN_GETDISPINFOA) {
          reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = tip.data();
        } else {
          static thread_local std::wstring wide;
          wide.assign(tip.begin(), tip.end());
          reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = wide.data();
        }
        return true;
      }
      TWinControl* control = ControlOf(header.hwndFrom);
      return control && control->Notification(header, result);
    }
    case WM_DRAWITEM: {
      auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_MENU) return false;
      TWinControl* control = ControlOf(item.hwndItem);
      if (!control || !control->DrawItem(item)) return false;
      result = TRUE;
      return true;
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_MENU) return false;
      TWinControl* control = ControlOfId(static_cast<int>(item.CtlID));
      if (!control || !control->MeasureItem(item)) return false;
      result = TRUE;
      return true;
    }
    case WM_CONTEXTMENU: {
      TWinControl* control = ControlOf(reinterpret_cast<HWND>(wParam));
      if (!control || !control->OnContextMenu) return false;
      control->OnContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return true;
    }
    default:
      return false;
  }
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = Handle();
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result)) return result;
  if (RouteChildMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ERASEBKGND: {
      // The form paints its whole surface in WM_PAINT; a transparent child (a flat toolbar)
      // asks for the background under it with its own device context.
      const HDC dc = reinterpret_cast<HDC>(wParam);
      if (::WindowFromDC(dc) != window) {
        RECT area{};
        ::GetClipBox(dc, &area);
        Paint(dc, area);
      }
      return 1;
    }
    case WM_PRINTCLIENT: {
      RECT area{};
      ::GetClientRect(window, &area);
      Paint(reinterpret_cast<HDC>(wParam), area);
      return 0;
    }
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
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        for (TControl* control : controls_)
          if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->ParentResized();
        FormResize();
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetBkColor(dc, def_.background);
      ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(backgroundBrush_.Get());
    }
    case WM_MENUSELECT:
      if (HIWORD(wParam) == 0xFFFF && lParam == 0) {
        if (hintBar_) hintBar_->ShowHint("");
      } else if (HIWORD(wParam) & MF_POPUP) {
        if (hintBar_) hintBar_->ShowHint("");
      } else {
        ShowCommandHint(LOWORD(wParam));
      }
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) != window) {
        // The hint of the control under the mouse; a toolbar shows its buttons' own hints.
        const TWinControl* control = ControlOf(reinterpret_cast<HWND>(wParam));
        if (HIWORD(lParam) == WM_MOUSEMOVE && hintBar_ && !dynamic_cast<const TToolBar*>(control))
          hintBar_->ShowHint(control && control->Hint() ? control->Hint() : "");
        break;
      }
      if (HIWORD(lParam) == WM_MOUSEMOVE && hintBar_) hintBar_->ShowHint("");
      if (LOWORD(lParam) == HTCLIENT) {
        // The cursor is asked for before the move arrives: hover is decided here too.
        POINT at{};
        ::GetCursorPos(&at);
        ::ScreenToClient(window, &at);
        TrackMouse(at);
        if (hovered_ && hovered_->Cursor()) {
          ::SetCursor(hovered_->Cursor());
          return TRUE;
        }
      }
      break;
    case WM_MOUSEMOVE:
      TrackMouse({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      break;
    case WM_MOUSELEAVE:
      if (hovered_) {
        hovered_->MouseLeave();
        hovered_ = nullptr;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A click is a press and a release on the same control: the press is remembered,
      // with the mouse held so the release comes here wherever it lands.
      pressed_ = GraphicAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (pressed_ && pressed_->OnClick) {
        ::SetCapture(window);
        return 0;
      }
      pressed_ = nullptr;
      break;
    case WM_LBUTTONUP: {
      // A release alone, such as the end of the double click that opened this window, is
      // no click.
      TGraphicControl* const pressed = std::exchange(pressed_, nullptr);
      if (::GetCapture() == window) ::ReleaseCapture();
      if (pressed && pressed->OnClick &&
          pressed == GraphicAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
        pressed->OnClick();
        return 0;
      }
      break;
    }
    case WM_CAPTURECHANGED:
      pressed_ = nullptr;
      break;
    case WM_CLOSE:
      CloseRequested();
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
