// The form's window procedure: one handler per message. Notifications go to the control
// that sent them, commands by id, closing through the close query; the painting and the
// mouse of the window-less controls are in FormSurface.cpp.
#include <windowsx.h>

#include "win32/forms/Application.h"
#include "win32/forms/Form.h"

namespace vx::win32 {

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    if (form) form->window_.Reset(window);
  }
  auto* form = reinterpret_cast<TForm*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!form) return ::DefWindowProcA(window, message, wParam, lParam);
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    Application().HandleException();
    return 0;
  }
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = Handle();  // gone from the form after WM_NCDESTROY's handler
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result)) return result;
  if (RouteChildMessage(message, wParam, lParam, result)) return result;
  if (const Handled handled = HandleOwnMessage(message, wParam, lParam)) return *handled;
  return ::DefWindowProcA(window, message, wParam, lParam);
}

TForm::Handled TForm::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_PRINTCLIENT:
      return OnPrintClient(reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
      return OnPaint();
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColor(reinterpret_cast<HDC>(wParam));
    case WM_SHOWWINDOW:
      OnShowWindow(wParam != FALSE, lParam);
      return std::nullopt;
    case WM_SIZE:
      OnSize(wParam);
      return std::nullopt;
    case WM_ACTIVATE:
      return OnActivate(LOWORD(wParam), HIWORD(wParam) != 0);
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return std::nullopt;
    case WM_SETCURSOR:
      return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_MOUSEMOVE:
      TrackMouse(at);
      return std::nullopt;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return std::nullopt;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return OnLeftButtonDown(at);
    case WM_LBUTTONUP:
      return OnLeftButtonUp(at);
    case WM_CAPTURECHANGED:
      pressed_ = nullptr;
      return std::nullopt;
    case WM_CLOSE:
      CloseRequested();
      return 0;
    case WM_DPICHANGED:
      ChangeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// --- notifications, to the control that sent them

bool TForm::RouteChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  Handled handled;
  switch (message) {
    case WM_COMMAND:
      handled = OnChildCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      break;
    case WM_NOTIFY:
      handled = OnNotify(*reinterpret_cast<NMHDR*>(lParam));
      break;
    case WM_DRAWITEM:
      handled = OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
      break;
    case WM_MEASUREITEM:
      handled = OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      break;
    case WM_CONTEXTMENU:
      handled = OnContextMenuMessage(reinterpret_cast<HWND>(wParam),
                                     {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      break;
    default:
      break;
  }
  result = handled.value_or(0);
  return handled.has_value();
}

TForm::Handled TForm::OnChildCommand(WORD id, WORD code, HWND from) {
  if (IsCommandId(id)) {
    OnCommand(id);
    return 0;
  }
  if (TWinControl* control = controls_.OfWindow(from)) {
    control->CommandNotification(code);
    return 0;
  }
  if (!from && id == IDCANCEL) {
    OnCancelKey();
    return 0;
  }
  return std::nullopt;
}

TForm::Handled TForm::OnNotify(NMHDR& header) {
  TWinControl* control = controls_.OfWindow(header.hwndFrom);
  LRESULT result = 0;
  if (!control || !control->Notification(header, result)) return std::nullopt;
  return result;
}

TForm::Handled TForm::OnDrawItem(DRAWITEMSTRUCT& item) {
  if (item.CtlType == ODT_MENU) return std::nullopt;
  TWinControl* control = controls_.OfWindow(item.hwndItem);
  if (!control || !control->DrawItem(item)) return std::nullopt;
  return TRUE;
}

TForm::Handled TForm::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType == ODT_MENU) return std::nullopt;
  TWinControl* control = controls_.OfId(static_cast<int>(item.CtlID));
  if (!control || !control->MeasureItem(item)) return std::nullopt;
  return TRUE;
}

TForm::Handled TForm::OnContextMenuMessage(HWND window, POINT screen) {
  TWinControl* control = controls_.OfWindow(window);
  if (!control || !control->OnContextMenu) return std::nullopt;
  control->OnContextMenu(screen);
  return 0;
}

// --- the form's own messages

void TForm::OnShowWindow(bool shown, LPARAM status) {
  if (!shown || status != 0) return;
  // A form shown again starts from its first control (or the one its show event chose), not
  // from the one that had the focus when it was hidden.
  lastFocus_ = nullptr;
  FormShow();
}

void TForm::OnSize(WPARAM kind) {
  if (kind != SIZE_MINIMIZED) ClientResized();
}

TForm::Handled TForm::OnControlColor(HDC dc) {
  ::SetBkColor(dc, def_.background);
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<LRESULT>(backgroundBrush_.Get());
}

// As the dialog manager does: the focus leaves with the activation and comes back with it,
// to the control that had it (or the first in tab order). The default handling would leave
// it on the form's own window, where typed keys go nowhere (after a message box of the form
// closed, say).
TForm::Handled TForm::OnActivate(WORD state, bool minimized) {
  if (state == WA_INACTIVE) {
    const HWND focus = ::GetFocus();
    if (focus && ::IsChild(Handle(), focus)) lastFocus_ = focus;
    return std::nullopt;
  }
  if (minimized || !FocusAControl()) return std::nullopt;
  return 0;
}

void TForm::OnMenuSelect(WORD item, WORD flags, HMENU menu) {
  const bool closed = flags == 0xFFFF && !menu;
  ShowCommandHint(closed || (flags & MF_POPUP) ? 0 : item);
}

TForm::Handled TForm::OnSetCursor(HWND under, WORD hitTest, WORD mouseMessage) {
  if (under != Handle()) {
    // The hint of the control under the mouse, unless its parts show their own.
    const TWinControl* control = controls_.OfWindow(under);
    const std::optional<std::string> hint = control ? control->HoverHint() : std::string();
    if (mouseMessage == WM_MOUSEMOVE && hint) OnHint(*hint);
    return std::nullopt;
  }
  if (mouseMessage == WM_MOUSEMOVE) OnHint("");
  if (hitTest != HTCLIENT) return std::nullopt;
  // The cursor is asked for before the move arrives: hover is decided here too.
  POINT at{};
  ::GetCursorPos(&at);
  ::ScreenToClient(Handle(), &at);
  TrackMouse(at);
  return SetHoveredCursor();
}

void TForm::OnNcDestroy() {
  ::SetWindowLongPtrA(Handle(), GWLP_USERDATA, 0);
  window_.Release();
}

}  // namespace vx::win32
