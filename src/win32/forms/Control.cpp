#include "win32/forms/Control.h"

#include <commctrl.h>

#include <stdexcept>

#include "win32/forms/Application.h"
#include "win32/forms/Form.h"
#include "win32/forms/FormControls.h"
#include "win32/system/SystemText.h"

namespace vx::win32 {

ShiftState ShiftFromMouse(WPARAM flags) {
  ShiftState shift;
  shift.shift = (flags & MK_SHIFT) != 0;
  shift.ctrl = (flags & MK_CONTROL) != 0;
  shift.alt = ::GetKeyState(VK_MENU) < 0;
  shift.left = (flags & MK_LBUTTON) != 0;
  shift.right = (flags & MK_RBUTTON) != 0;
  shift.middle = (flags & MK_MBUTTON) != 0;
  return shift;
}

ShiftState ShiftFromKeyboard() {
  ShiftState shift;
  shift.shift = ::GetKeyState(VK_SHIFT) < 0;
  shift.ctrl = ::GetKeyState(VK_CONTROL) < 0;
  shift.alt = ::GetKeyState(VK_MENU) < 0;
  shift.left = ::GetKeyState(VK_LBUTTON) < 0;
  shift.right = ::GetKeyState(VK_RBUTTON) < 0;
  shift.middle = ::GetKeyState(VK_MBUTTON) < 0;
  return shift;
}

TControl::~TControl() {
  if (form_) form_->ForgetControl(this);
}

namespace {

// A window procedure set with the call of the window's own kind: the system passes the
// messages in the form the procedure is set for.
void SetWindowProc(HWND window, bool unicode, WNDPROC proc) {
  const auto value = reinterpret_cast<LONG_PTR>(proc);
  if (unicode)
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, value);
  else
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, value);
}

}  // namespace

TWinControl::~TWinControl() {
  if (window_ && classProc_) {
    SetWindowProc(window_, unicode_, classProc_);
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  }
}

void TControl::Place(TForm& form, TWinControl* parent, const ControlDef& def) {
  form_ = &form;
  parent_ = parent;
  def_ = def;
  if (!def_.caption) def_.caption = "";
  bounds_ = DesignRect();
}

HWND TControl::ParentHandle() const {
  if (parent_) return parent_->Handle();
  return form_ ? form_->Handle() : nullptr;
}

FontDef TControl::EffectiveFont() const {
  if (def_.font.face || !form_) return def_.font;
  return form_->Def().font;
}

int TControl::Scale(int pixels) const {
  return form_ ? form_->Scale(pixels) : pixels;
}

RECT TControl::DesignRect() const {
  return {Scale(def_.left), Scale(def_.top), Scale(def_.left + def_.width),
          Scale(def_.top + def_.height)};
}

void TControl::SetBounds(const RECT& bounds) {
  bounds_ = bounds;
}

void TControl::SetDesignBounds(int left, int top, int width, int height) {
  def_.left = left;
  def_.top = top;
  def_.width = width;
  def_.height = height;
  SetBounds(DesignRect());
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
}

void TControl::ApplyDpi() {
  SetBounds(DesignRect());
}

void TGraphicControl::Enlist(TFormControls& controls) {
  controls.AddPainted(*this);
}

void TGraphicControl::Invalidate() const {
  const HWND parent = ParentHandle();
  if (parent) ::InvalidateRect(parent, &bounds_, FALSE);
}

void TGraphicControl::SetBounds(const RECT& bounds) {
  Invalidate();
  TControl::SetBounds(bounds);
  Invalidate();
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  TControl::SetVisible(visible);
  Invalidate();
}

void TWinControl::CreateWindowFor(int id) {
  id_ = id;
  const RECT r = bounds_;
  const DWORD exStyle = def_.exStyle | OwnExStyle();
  const DWORD style = WS_CHILD | (visible_ ? WS_VISIBLE : 0) | OwnStyle() | def_.style;
  const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  unicode_ = Unicode();
  if (unicode_) {
    window_ = ::CreateWindowExW(exStyle, win32::WideText(ClassName(), CP_ACP).c_str(),
                                win32::WideText(def_.caption, CP_ACP).c_str(), style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, ParentHandle(), menu,
                                ::GetModuleHandleW(nullptr), nullptr);
  } else {
    window_ = ::CreateWindowExA(exStyle, ClassName(), def_.caption, style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, ParentHandle(), menu,
                                ::GetModuleHandleA(nullptr), nullptr);
  }
  if (!window_) throw std::runtime_error("Cannot create the control " + std::string(ClassName()));
  if (WantsSubclass()) {
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    classProc_ = unicode_ ? reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window_, GWLP_WNDPROC))
                          : reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window_, GWLP_WNDPROC));
    SetWindowProc(window_, unicode_, &TWinControl::SubclassProc);
  }
  AfterCreate();
  ApplyDpi();
}

void TWinControl::Enlist(TFormControls& controls) {
  controls.AddWindowed(*this);
}

void TWinControl::ApplyDpi() {
  if (form_) font_.Reset(CreateFontFor(def_.font, form_->Def().font, form_->Dpi()));
  if (window_) ::SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  TControl::ApplyDpi();
}

void TWinControl::SetBounds(const RECT& bounds) {
  TControl::SetBounds(bounds);
  if (window_)
    ::MoveWindow(window_, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, TRUE);
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (window_) ::ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

std::string TWinControl::Text() const {
  if (!window_) return {};
  // The narrow call would turn a Unicode window's "Łodz" into "Lodz", another name.
  if (unicode_) return win32::NarrowText(WideText(), CP_ACP);
  const int length = ::GetWindowTextLengthA(window_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextA(window_, text.data(), length + 1)));
  return text;
}

std::wstring TWinControl::WideText() const {
  if (!window_) return {};
  const int length = ::GetWindowTextLengthW(window_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window_, text.data(), length + 1)));
  return text;
}

void TWinControl::SetText(const std::string& text) {
  if (!window_) return;
  if (unicode_)
    ::SetWindowTextW(window_, win32::WideText(text, CP_ACP).c_str());
  else
    ::SetWindowTextA(window_, text.c_str());
}

void TWinControl::SetEnabled(bool enabled) {
  if (window_) ::EnableWindow(window_, enabled ? TRUE : FALSE);
}

bool TWinControl::Enabled() const {
  return window_ && ::IsWindowEnabled(window_);
}

void TWinControl::SetFocus() {
  if (window_) ::SetFocus(window_);
}

void TWinControl::Invalidate() {
  if (window_) ::InvalidateRect(window_, nullptr, TRUE);
}

bool TWinControl::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* control = reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!control || !control->classProc_) {
    return ::IsWindowUnicode(window) ? ::DefWindowProcW(window, message, wParam, lParam)
                                     : ::DefWindowProcA(window, message, wParam, lParam);
  }
  const WNDPROC classProc = control->classProc_;
  const bool unicode = control->unicode_;
  if (message == WM_NCDESTROY) {
    SetWindowProc(window, unicode, classProc);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    control->window_ = nullptr;
    return unicode ? ::CallWindowProcW(classProc, window, message, wParam, lParam)
                   : ::CallWindowProcA(classProc, window, message, wParam, lParam);
  }
  try {
    LRESULT result = 0;
    if (control->OnWindowMessage(message, wParam, lParam, result)) return result;
  } catch (...) {
    Application().HandleException();
    return 0;
  }
  return control->CallClassProc(message, wParam, lParam);
}

LRESULT TWinControl::CallClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (unicode_) {
    return classProc_ ? ::CallWindowProcW(classProc_, window_, message, wParam, lParam)
                      : ::DefWindowProcW(window_, message, wParam, lParam);
  }
  return classProc_ ? ::CallWindowProcA(classProc_, window_, message, wParam, lParam)
                    : ::DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace vx::win32
