#include "editor/dialogs/ListBoxEx.h"

#include "core/editor/dialogs/ObjectCriteriaLines.h"
#include "win32/forms/Form.h"

namespace vx::editor {

namespace {

constexpr int ItemHeight = 16;
constexpr int ButtonSize = 20;
constexpr int ButtonInset = 4;  // inside the list's bottom and right edges

}  // namespace

DWORD TListBoxEx::OwnStyle() const {
  // The button is a child: the list must not paint over it.
  return WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_CLIPCHILDREN | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
         LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
}

void TListBoxEx::AfterCreate() {
  // An id of the form's own: the dialog manager looks for the default button (IDOK) among
  // every window of the dialog.
  buttonId_ = form_->ReserveControlId();
  button_ = ::CreateWindowExA(0, "BUTTON", "...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0,
                              window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId_)),
                              nullptr, nullptr);
  if (Font()) ::SendMessageA(button_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  PlaceButton();
}

void TListBoxEx::ApplyDpi() {
  TWinControl::ApplyDpi();
  if (!form_) return;
  win32::FontDef bold = EffectiveFont();
  bold.bold = true;
  boldFont_.Reset(win32::CreateFontFor(bold, form_->Def().font, form_->Dpi()));
  if (window_) {
    ::SendMessageA(window_, LB_SETITEMHEIGHT, 0, Scale(ItemHeight));
    if (button_) ::SendMessageA(button_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    PlaceButton();
  }
}

void TListBoxEx::PlaceButton() {
  if (!button_ || !window_) return;
  // Measured from the list's outer edges, its border included.
  RECT outer{};
  ::GetWindowRect(window_, &outer);
  const int size = Scale(ButtonSize);
  POINT at = {outer.right - Scale(ButtonInset) - size, outer.bottom - Scale(ButtonInset) - size};
  ::ScreenToClient(window_, &at);
  ::MoveWindow(button_, at.x, at.y, size, size, TRUE);
}

bool TListBoxEx::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SIZE:
      result = CallClassProc(message, wParam, lParam);
      PlaceButton();
      return true;
    case WM_COMMAND:
      if (LOWORD(wParam) == buttonId_ && HIWORD(wParam) == BN_CLICKED) {
        if (OnButtonClick) OnButtonClick();
        result = 0;
        return true;
      }
      break;
    default:
      break;
  }
  return TWinControl::OnWindowMessage(message, wParam, lParam, result);
}

bool TListBoxEx::MeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight = static_cast<UINT>(Scale(ItemHeight));
  return true;
}

bool TListBoxEx::DrawItem(DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return true;
  // The line with the caret is drawn like any other: the list is read, not chosen from. A
  // line selected while the list has no focus shows the highlight behind its text only:
  // the line is not filled first, the text is written on its own background.
  const bool highlighted = (item.itemState & ODS_SELECTED) && !(item.itemState & ODS_FOCUS);
  const int index = static_cast<int>(item.itemID);
  const LRESULT length = ::SendMessageA(window_, LB_GETTEXTLEN, item.itemID, 0);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  ::SendMessageA(window_, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  // Headings lie on even lines, their values on the odd ones.
  const HGDIOBJ old =
      ::SelectObject(item.hDC, index % 2 == 0 ? static_cast<HFONT>(boldFont_.Get()) : Font());
  ::SetBkMode(item.hDC, OPAQUE);
  ::SetBkColor(item.hDC, ::GetSysColor(highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  ::SetTextColor(item.hDC, ::GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  ::TextOutA(item.hDC, item.rcItem.left + Scale(2), item.rcItem.top + Scale(2), text.data(),
             static_cast<int>(text.size()));
  ::SelectObject(item.hDC, old);
  return true;
}

std::vector<std::string> TListBoxEx::Lines() const {
  std::vector<std::string> lines;
  const LRESULT count = ::SendMessageA(window_, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageA(window_, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    ::SendMessageA(window_, LB_GETTEXT, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    lines.push_back(std::move(text));
  }
  return lines;
}

void ShowObjectCriteria(TListBoxEx& list, const std::string& criteria) {
  const HWND window = list.Handle();
  ::SendMessageA(window, LB_RESETCONTENT, 0, 0);
  list.criteria_ = criteria;
  for (const std::string& line : ObjectCriteriaLines(criteria))
    ::SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

}  // namespace vx::editor
