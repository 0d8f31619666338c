#include "win32/forms/StdControls.h"

#include <algorithm>
#include <utility>

#include "win32/forms/Form.h"
#include "win32/system/SystemText.h"

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

// --- TLabel

void TLabel::ApplyDpi() {
  if (form_) font_.Reset(CreateFontFor(def_.font, form_->Def().font, form_->Dpi()));
  if (!captionSet_) caption_ = def_.caption;
  Invalidate();
  bounds_ = DesignRect();
  bounds_ = FittedRect();
  Invalidate();
}

RECT TLabel::FittedRect() const {
  RECT r = bounds_;
  if (!autoSize_) return r;
  const HWND parent = ParentHandle();
  const HDC dc = parent ? ::GetDC(parent) : nullptr;
  if (!dc) return r;
  const HGDIOBJ old = ::SelectObject(dc, font_.Get());
  RECT text = {r.left, r.top, r.left + 1, r.top + 1};
  ::DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  ::SelectObject(dc, old);
  ::ReleaseDC(parent, dc);
  // A label given a size keeps at least that size.
  if (def_.width > 0) text.right = std::max(text.right, r.left + Scale(def_.width));
  if (def_.height > 0) text.bottom = std::max(text.bottom, r.top + Scale(def_.height));
  return text;
}

void TLabel::SetCaption(const std::string& text) {
  captionSet_ = true;
  if (text == caption_) return;
  Invalidate();
  caption_ = text;
  if (autoSize_) {
    bounds_ = {bounds_.left, bounds_.top, bounds_.left, bounds_.top};
    bounds_ = FittedRect();
  }
  Invalidate();
}

void TLabel::DrawCaption(HDC dc, HFONT font, COLORREF color) const {
  RECT r = bounds_;
  const HGDIOBJ old = ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, color);
  const UINT layout = autoSize_ ? DT_NOCLIP : DT_VCENTER;
  ::DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
              DT_SINGLELINE | DT_NOPREFIX | layout);
  ::SelectObject(dc, old);
}

void TLabel::Paint(HDC dc) const {
  DrawCaption(dc, static_cast<HFONT>(font_.Get()), TextColorOf(EffectiveFont()));
}

// --- TImage, TGradientBox

void TImage::ApplyDpi() {
  if (!bitmap_)
    bitmap_.Reset(::LoadImageA(::GetModuleHandleA(nullptr), def_.caption, IMAGE_BITMAP, 0, 0,
                               LR_CREATEDIBSECTION));
  TGraphicControl::ApplyDpi();
}

void TImage::Paint(HDC dc) const {
  if (bitmap_) DrawTransparent(dc, static_cast<HBITMAP>(bitmap_.Get()), bounds_);
}

void TGradientBox::SetBounds(const RECT& bounds) {
  gradient_.SetParent(ParentHandle());
  TGraphicControl::SetBounds(bounds);
  gradient_.SetBounds(bounds);
}

void TGradientBox::ApplyDpi() {
  gradient_.SetParent(ParentHandle());
  TGraphicControl::ApplyDpi();
}

// --- buttons

DWORD TButton::OwnStyle() const {
  return static_cast<DWORD>(WS_TABSTOP) | (def_.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::CommandNotification(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

bool TCheckBox::Checked() const {
  return window_ && ::SendMessageA(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  if (window_) ::SendMessageA(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TRadioButton::OnWindowMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
      becameChecked_ = false;  // a click starts (checking in code before it does not count)
      break;
    case BM_SETCHECK:
      // The button checks itself before it reports the click.
      if (wParam == BST_CHECKED && !Checked()) becameChecked_ = true;
      break;
    default:
      break;
  }
  return false;
}

void TRadioButton::CommandNotification(WORD code) {
  if (code != BN_CLICKED) return;
  const bool became = std::exchange(becameChecked_, false);
  if (became && OnClick) OnClick();
}

// --- TEdit

namespace {

// The most a step's text field holds: its length is a 16-bit count in the script file.
constexpr int FieldCapacity = 65535;

}  // namespace

void TEdit::AfterCreate() {
  // The control's own default stops typing and pasting early (30,000 characters under Wine).
  SetMaxLength(FieldCapacity);
}

void TEdit::SetText(const std::string& text) {
  set_ = Admitted(text);
  TWinControl::SetText(set_);
  shown_ = WideText();
}

bool TEdit::ShowsWhatWasSet() const {
  // Compared as the window holds it: "?" typed over an "Ł" must not read as unchanged.
  return shown_ && WideText() == *shown_;
}

void TEdit::SetUnicodeText(const std::wstring& text) {
  if (!Unicode()) {
    SetText(NarrowText(text, CP_ACP));  // never a look-alike
    return;
  }
  if (!window_) return;
  ::SetWindowTextW(window_, text.c_str());
  set_.clear();
  shown_.reset();  // the box's own text is the text now
}

std::string TEdit::Text() const {
  return ShowsWhatWasSet() ? set_ : TWinControl::Text();
}

std::optional<std::string> TEdit::ExactText() const {
  if (ShowsWhatWasSet()) return set_;
  if (!Unicode()) return TWinControl::Text();
  return ExactNarrowText(WideText(), CP_ACP);
}

void TEdit::SelectAll() {
  if (window_) ::SendMessageA(window_, EM_SETSEL, 0, -1);
}

void TEdit::SetReadOnly(bool readOnly) {
  if (window_) ::SendMessageA(window_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TEdit::SetMaxLength(int characters) {
  if (window_) ::SendMessageA(window_, EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void TEdit::CommandNotification(WORD code) {
  if (code == EN_CHANGE && OnChange) OnChange();
}

bool TEdit::OnWindowMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_KEYDOWN || !OnKeyDown) return false;
  if (!OnKeyDown(static_cast<UINT>(wParam), ShiftFromKeyboard())) return false;
  result = 0;
  return true;
}

// --- TComboBox

DWORD TComboBox::OwnStyle() const {
  return WS_TABSTOP | WS_VSCROLL | (editable_ ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
}

void TComboBox::ApplyDpi() {
  TWinControl::ApplyDpi();
  // The drop-down's height is the list's: give it room for several items.
  if (window_)
    ::MoveWindow(window_, bounds_.left, bounds_.top, Width(), std::max(Height(), Scale(200)), TRUE);
}

void TComboBox::Clear() {
  if (window_) ::SendMessageA(window_, CB_RESETCONTENT, 0, 0);
  items_.clear();
}

void TComboBox::Add(const std::string& text) {
  if (!window_) return;
  const LRESULT at =
      ::SendMessageA(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (at >= 0 && static_cast<std::size_t>(at) <= items_.size())
    items_.insert(items_.begin() + at, text);
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
  Clear();
  for (const std::string& item : items) Add(item);
}

int TComboBox::Count() const {
  return window_ ? static_cast<int>(::SendMessageA(window_, CB_GETCOUNT, 0, 0)) : 0;
}

int TComboBox::ItemIndex() const {
  return window_ ? static_cast<int>(::SendMessageA(window_, CB_GETCURSEL, 0, 0)) : -1;
}

void TComboBox::SetItemIndex(int index) {
  if (window_) ::SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string TComboBox::ItemText(int index) const {
  if (!window_) return {};
  if (index >= 0 && static_cast<std::size_t>(index) < items_.size() &&
      Count() == static_cast<int>(items_.size()))
    return items_[static_cast<std::size_t>(index)];
  const LRESULT length = ::SendMessageA(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  ::SendMessageA(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void TComboBox::CommandNotification(WORD code) {
  if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && OnChange) OnChange();
}

// --- TListBox

void TListBox::SetItemHeight(int designPixels) {
  itemHeight_ = designPixels;
  if (window_ && itemHeight_ > 0) ::SendMessageA(window_, LB_SETITEMHEIGHT, 0, Scale(itemHeight_));
}

void TListBox::ApplyDpi() {
  TWinControl::ApplyDpi();
  SetItemHeight(itemHeight_);
}

void TListBox::Clear() {
  if (window_) ::SendMessageA(window_, LB_RESETCONTENT, 0, 0);
}

std::string ListBoxItemText(HWND list, int index) {
  if (!list) return {};
  const LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

int TListBox::Add(const std::string& text) {
  if (!window_) return -1;
  return static_cast<int>(
      ::SendMessageA(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int TListBox::Count() const {
  return window_ ? static_cast<int>(::SendMessageA(window_, LB_GETCOUNT, 0, 0)) : 0;
}

std::string TListBox::ItemText(int index) const {
  return ListBoxItemText(window_, index);
}

int TListBox::ItemIndex() const {
  return window_ ? static_cast<int>(::SendMessageA(window_, LB_GETCURSEL, 0, 0)) : -1;
}

void TListBox::SetItemIndex(int index) {
  if (window_) ::SendMessageA(window_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TListBox::SetTopIndex(int index) {
  if (window_) ::SendMessageA(window_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void TListBox::CommandNotification(WORD code) {
  if (code == LBN_SELCHANGE && OnSelect) OnSelect();
  if (code == LBN_DBLCLK && OnDoubleClick) OnDoubleClick();
}

// --- TPanel, TBevelLine

const char* TPanel::ClassName() const {
  static const char* const name = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "VxPanel";
    ::RegisterClassExA(&windowClass);
    return "VxPanel";
  }();
  return name;
}

void TPanel::AfterCreate() {
  if (form_) brush_.Reset(::CreateSolidBrush(form_->Def().background));
}

void TPanel::SetColor(COLORREF color) {
  brush_.Reset(::CreateSolidBrush(color));
  Invalidate();
}

bool TPanel::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CONTEXTMENU:
      // The children's notifications reach their controls as on the form itself.
      return form_ && form_->RouteChildMessage(message, wParam, lParam, result);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (!brush_) return false;
      {
        LOGBRUSH fill{};
        ::GetObjectA(brush_.Get(), sizeof fill, &fill);
        ::SetBkColor(reinterpret_cast<HDC>(wParam), fill.lbColor);
      }
      result = reinterpret_cast<LRESULT>(brush_.Get());
      return true;
    case WM_ERASEBKGND:
      if (!brush_) return false;
      {
        RECT r;
        ::GetClientRect(window_, &r);
        ::FillRect(reinterpret_cast<HDC>(wParam), &r, static_cast<HBRUSH>(brush_.Get()));
      }
      result = 1;
      return true;
    case WM_SIZE:
      if (OnResize) OnResize();
      return false;
    default:
      return false;
  }
}

DWORD TBevelLine::OwnStyle() const {
  return def_.width >= def_.height ? SS_ETCHEDHORZ : SS_ETCHEDVERT;
}

}  // namespace vx::win32
