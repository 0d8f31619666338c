#include "win32/forms/OwnerDrawList.h"

#include <windows.h>
// windows.h must come before commctrl.h.
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "win32/forms/StdControls.h"

namespace vx::win32 {

DWORD TOwnerDrawListBox::OwnStyle() const {
  return WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
         LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT;
}

void TOwnerDrawListBox::AfterCreate() {
  SetItemHeight(itemHeight_);
}

void TOwnerDrawListBox::ApplyDpi() {
  TWinControl::ApplyDpi();
  SetItemHeight(itemHeight_);
}

void TOwnerDrawListBox::SetItemHeight(int designPixels) {
  itemHeight_ = designPixels;
  if (window_) {
    ::SendMessageA(window_, LB_SETITEMHEIGHT, 0, std::max(1, Scale(itemHeight_)));
    ::InvalidateRect(window_, nullptr, TRUE);
  }
}

void TOwnerDrawListBox::Repaint() {
  if (window_)
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int TOwnerDrawListBox::ItemHeight() const {
  if (!window_) return Scale(itemHeight_);
  const LRESULT height = ::SendMessageA(window_, LB_GETITEMHEIGHT, 0, 0);
  return height > 0 ? static_cast<int>(height) : Scale(itemHeight_);
}

void TOwnerDrawListBox::SetRedraw(bool redraw) {
  if (!window_) return;
  ::SendMessageA(window_, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  if (redraw) ::InvalidateRect(window_, nullptr, TRUE);
}

void TOwnerDrawListBox::Rebuild(int count, const std::function<std::string(int)>& textOf) {
  if (!window_) return;
  SetRedraw(false);
  ::SendMessageA(window_, LB_RESETCONTENT, 0, 0);
  ::SendMessageA(window_, LB_INITSTORAGE, static_cast<WPARAM>(std::max(count, 0)),
                 static_cast<LPARAM>(count) * 32);
  for (int i = 0; i < count; ++i) {
    const std::string text = textOf(i);
    ::SendMessageA(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SetRedraw(true);
}

void TOwnerDrawListBox::SetItems(const std::vector<std::string>& texts) {
  Rebuild(static_cast<int>(texts.size()),
          [&texts](int i) { return texts[static_cast<std::size_t>(i)]; });
}

void TOwnerDrawListBox::Clear() {
  if (window_) ::SendMessageA(window_, LB_RESETCONTENT, 0, 0);
}

int TOwnerDrawListBox::Count() const {
  return window_ ? static_cast<int>(::SendMessageA(window_, LB_GETCOUNT, 0, 0)) : 0;
}

std::string TOwnerDrawListBox::ItemText(int index) const {
  return ListBoxItemText(window_, index);
}

int TOwnerDrawListBox::ItemIndex() const {
  if (!window_ || Count() == 0) return -1;
  return static_cast<int>(::SendMessageA(window_, LB_GETCARETINDEX, 0, 0));
}

void TOwnerDrawListBox::SetItemIndex(int index) {
  if (window_) ::SendMessageA(window_, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

bool TOwnerDrawListBox::Selected(int index) const {
  return window_ && ::SendMessageA(window_, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TOwnerDrawListBox::SetSelected(int index, bool selected) {
  if (window_) ::SendMessageA(window_, LB_SETSEL, selected ? TRUE : FALSE, index);
}

void TOwnerDrawListBox::SelectRange(int first, int last, bool selected) {
  if (!window_ || first > last) return;
  // A range of one item is told apart by its order alone, which Wine and Windows read the
  // other way round: single items go by LB_SETSEL.
  if (first == last) return SetSelected(first, selected);
  // LB_SELITEMRANGE takes 16-bit indexes; LB_SELITEMRANGEEX takes full ones.
  if (selected)
    ::SendMessageA(window_, LB_SELITEMRANGEEX, static_cast<WPARAM>(first), last);
  else
    ::SendMessageA(window_, LB_SELITEMRANGEEX, static_cast<WPARAM>(last), first);
}

int TOwnerDrawListBox::SelectedCount() const {
  if (!window_) return 0;
  const LRESULT count = ::SendMessageA(window_, LB_GETSELCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

std::vector<int> TOwnerDrawListBox::SelectedIndexes() const {
  std::vector<int> indexes(static_cast<std::size_t>(SelectedCount()));
  if (indexes.empty()) return indexes;
  const LRESULT got = ::SendMessageA(window_, LB_GETSELITEMS, indexes.size(),
                                     reinterpret_cast<LPARAM>(indexes.data()));
  indexes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return indexes;
}

int TOwnerDrawListBox::TopIndex() const {
  return window_ ? static_cast<int>(::SendMessageA(window_, LB_GETTOPINDEX, 0, 0)) : 0;
}

void TOwnerDrawListBox::SetTopIndex(int index) {
  if (window_) ::SendMessageA(window_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void TOwnerDrawListBox::InvertLine(int y, int thickness) {
  if (!window_) return;
  const HDC dc = ::GetDC(window_);
  if (!dc) return;
  RECT r;
  ::GetClientRect(window_, &r);
  ::PatBlt(dc, 0, y - thickness / 2, r.right, thickness, DSTINVERT);
  ::ReleaseDC(window_, dc);
}

bool TOwnerDrawListBox::MeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight = static_cast<UINT>(std::max(1, Scale(itemHeight_)));
  return true;
}

bool TOwnerDrawListBox::DrawItem(DRAWITEMSTRUCT& item) {
  DrawItemArgs args{
      item.hDC, item.itemID == static_cast<UINT>(-1) ? -1 : static_cast<int>(item.itemID),
      item.rcItem, (item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0};
  if (OnDrawItem) {
    OnDrawItem(args);
    return true;
  }
  // Plainly: the text on the selection's colours, and the focus rectangle.
  const bool selected = args.selected;
  ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (args.index >= 0) {
    const std::string text = ItemText(args.index);
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT r = item.rcItem;
    r.left += Scale(2);
    ::DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (args.focused) ::DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

void TOwnerDrawListBox::CommandNotification(WORD code) {
  if (code == LBN_SELCHANGE && OnSelect) OnSelect();
  if (code == LBN_DBLCLK && OnDoubleClick) OnDoubleClick();
}

void TOwnerDrawListBox::BeginDrag(POINT client) {
  dragState_ = DragState::Armed;
  dragStart_ = client;
}

void TOwnerDrawListBox::EndDrag(bool drop, POINT client) {
  dragState_ = DragState::None;
  if (::GetCapture() == window_) ::ReleaseCapture();
  if (drop && OnDragDrop) OnDragDrop(client);
  if (OnEndDrag) OnEndDrag();
}

namespace {

bool InsideClient(HWND window, POINT client) {
  RECT r;
  ::GetClientRect(window, &r);
  return ::PtInRect(&r, client) != FALSE;
}

}  // namespace

bool TOwnerDrawListBox::DragMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (dragState_ == DragState::Armed) {
    if (message == WM_LBUTTONUP || message == WM_CAPTURECHANGED || message == WM_RBUTTONDOWN) {
      dragState_ = DragState::None;
      return false;  // the list ends its own press as usual
    }
    if (message != WM_MOUSEMOVE) return false;
    if (!(wParam & MK_LBUTTON)) {
      dragState_ = DragState::None;
      return false;
    }
    if (std::abs(at.x - dragStart_.x) < DragThreshold &&
        std::abs(at.y - dragStart_.y) < DragThreshold)
      return true;  // the list does not track the selection while a drag may start
    // The list lets go of its own selection tracking (its capture-changed message passes
    // through untouched); the drag holds the mouse from here.
    dragState_ = DragState::None;
    ::ReleaseCapture();
    dragState_ = DragState::Dragging;
    if (OnStartDrag && !OnStartDrag(dragStart_)) {
      dragState_ = DragState::None;
      if (OnEndDrag) OnEndDrag();
      return true;
    }
    ::SetCapture(window_);
    if (OnDragOver) OnDragOver(at, InsideClient(window_, at));
    return true;
  }
  if (dragState_ != DragState::Dragging) return false;
  switch (message) {
    case WM_MOUSEMOVE:
      if (OnDragOver) OnDragOver(at, InsideClient(window_, at));
      return true;
    case WM_LBUTTONUP:
      EndDrag(InsideClient(window_, at), at);
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) EndDrag(false, at);
      return false;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) EndDrag(false, at);
      return true;
    default:
      return false;
  }
}

bool TOwnerDrawListBox::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) {
  if (message == WM_GETDLGCODE && Dragging()) {
    result = DLGC_WANTALLKEYS;  // Esc ends the drag, not the dialog manager
    return true;
  }
  if (message == WM_GETDLGCODE && OnEnter && wParam == VK_RETURN) {
    result = CallClassProc(message, wParam, lParam) | DLGC_WANTMESSAGE;
    return true;
  }
  if (DragMessage(message, wParam, lParam)) {
    result = 0;
    return true;
  }
  const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
      // Every button's press; the list selects first, as a press does, so the handler sees
      // the new selection.
      const MouseButton button =
          message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK   ? MouseButton::Right
          : message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ? MouseButton::Middle
                                                                     : MouseButton::Left;
      ShiftState shift = ShiftFromMouse(wParam);
      shift.doubleClick =
          message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
      result = CallClassProc(message, wParam, lParam);
      if (OnMouseDown) OnMouseDown(button, shift, at);
      return true;
    }
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(ShiftFromMouse(wParam), at);
      return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if (OnMouseUp)
        OnMouseUp(message == WM_RBUTTONUP ? MouseButton::Right : MouseButton::Left,
                  ShiftFromMouse(wParam), at);
      return false;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && OnEnter) {
        OnEnter();
        result = 0;
        return true;
      }
      if (OnKeyDown && OnKeyDown(static_cast<UINT>(wParam), ShiftFromKeyboard())) {
        result = 0;
        return true;
      }
      return false;
    case WM_CHAR:
      // Enter's character would start the list's search by typed letters.
      if (wParam == '\r' && OnEnter) {
        result = 0;
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace vx::win32
