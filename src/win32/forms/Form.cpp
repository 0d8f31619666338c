#include "win32/forms/Form.h"

#include <algorithm>
#include <stdexcept>

#include "core/forms/DialogPlacement.h"
#include "win32/forms/Application.h"

namespace vx::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <typename Fn>
Fn User32Function(const char* name) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

void RegisterFormClass(const char* className, WNDPROC procedure) {
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  if (::GetClassInfoExA(instance, className, &windowClass)) return;
  windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.lpszClassName = className;
  if (!::RegisterClassExA(&windowClass))
    throw std::runtime_error("Cannot register the window class " + std::string(className));
}

// The offset of the work area within its monitor: GetWindowPlacement's and
// SetWindowPlacement's rectangles are work-area coordinates.
POINT WorkAreaOffset(const RECT& area) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  const HMONITOR monitor = ::MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST);
  if (!monitor || !::GetMonitorInfoA(monitor, &info)) return {0, 0};
  return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

}  // namespace

UINT WindowDpi(HWND window) {
  static const auto getDpi = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpi && window) {
    const UINT dpi = getDpi(window);
    if (dpi) return dpi;
  }
  const HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
}

HFONT CreateFontFor(const FontDef& font, const FontDef& fallback, UINT dpi) {
  const FontDef& use = font.face ? font : fallback;
  return ::CreateFontA(-::MulDiv(use.points, static_cast<int>(dpi), 72), 0, 0, 0,
                       use.bold ? FW_BOLD : FW_NORMAL, FALSE, use.underline ? TRUE : FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, use.face ? use.face : "Tahoma");
}

TForm::~TForm() {
  if (window_) ::SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
  for (TControl* control : controls_.All()) control->form_ = nullptr;
  window_.Reset();
}

TForm* TForm::FromHandle(HWND window) {
  if (!window) return nullptr;
  if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC)) != &TForm::WindowProc)
    return nullptr;
  return reinterpret_cast<TForm*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

void TForm::CreateForm(const FormDef& form, std::initializer_list<ControlSlot> controls,
                       HWND owner) {
  def_ = form;
  RegisterFormClass(form.className, &TForm::WindowProc);
  backgroundBrush_.Reset(::CreateSolidBrush(form.background));
  const HWND window =
      ::CreateWindowExA(form.exStyle | WS_EX_CONTROLPARENT, form.className, form.caption,
                        form.style | WS_CLIPCHILDREN, 0, 0, form.width, form.height, owner, nullptr,
                        ::GetModuleHandleA(nullptr), this);
  if (!window) throw std::runtime_error("Cannot create the window " + std::string(form.className));
  dpi_ = WindowDpi(window);
  const SIZE outer = OuterSize(form.width, form.height);
  ::SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (const ControlSlot& slot : controls) AddControl(slot);
  FormResize();
}

int TForm::ReserveControlId() {
  if (nextId_ > LastControlId) throw std::logic_error("The form has no control id left");
  return nextId_++;
}

void TForm::AddControl(const ControlSlot& slot) {
  if (!slot.control) throw std::logic_error("A control slot without a control");
  int id = slot.def.id;
  if (id == 0) id = ReserveControlId();
  if (id < 0 || id > LastControlId)
    throw std::logic_error(
        std::string("A control id outside the control range: ").append(std::to_string(id)));
  slot.control->Place(*this, slot.parent, slot.def);
  controls_.Add(*slot.control);
  slot.control->CreateWindowFor(id);
  slot.control->Enlist(controls_);
}

void TForm::ForgetControl(const TControl* control) {
  controls_.Forget(control);
  if (hovered_ == control) hovered_ = nullptr;
  if (pressed_ == control) pressed_ = nullptr;
}

TWinControl* TForm::ControlOf(HWND window) const {
  return controls_.OfWindow(window);
}

TWinControl* TForm::ControlOfId(int id) const {
  return controls_.OfId(id);
}

void TForm::SetCommands(const TCommandTable& commands) {
  commands_ = commands;
  accelerators_.Reset(commands_.CreateAccelerators());
}

void TForm::SetMainMenu(std::span<const MenuItemDef> items) {
  mainMenu_.Build(commands_, items, false);
  ::SetMenu(Handle(), mainMenu_.Handle());
  // The menu bar takes its height from the client area: the design size stays the client's.
  const SIZE outer = OuterSize(def_.width, def_.height);
  ::SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::EnableCommand(WORD command, bool enabled) {
  mainMenu_.Enable(command, enabled);
  if (mainMenu_.Handle()) ::DrawMenuBar(Handle());
  for (TWinControl* control : controls_.Windowed()) control->CommandEnabled(command, enabled);
}

void TForm::ShowCommandHint(WORD command) {
  OnHint(command ? commands_.Hint(command) : std::string());
}

void TForm::Perform(WORD command) {
  ::SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

SIZE TForm::OuterSize(int clientWidth, int clientHeight) const {
  static const auto adjust = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT r = {0, 0, Scale(clientWidth), Scale(clientHeight)};
  const BOOL hasMenu = Handle() && ::GetMenu(Handle()) ? TRUE : FALSE;
  const DWORD style = def_.style | WS_CLIPCHILDREN;
  const DWORD exStyle = def_.exStyle | WS_EX_CONTROLPARENT;
  if (!adjust || !adjust(&r, style, hasMenu, exStyle, dpi_))
    ::AdjustWindowRectEx(&r, style, hasMenu, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

WindowBounds TForm::Bounds() const {
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

WindowBounds TForm::RestoredBounds() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!::GetWindowPlacement(Handle(), &placement)) return Bounds();
  RECT r = placement.rcNormalPosition;
  if (!(::GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
    const POINT offset = WorkAreaOffset(r);
    ::OffsetRect(&r, offset.x, offset.y);
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TForm::SetBounds(const WindowBounds& bounds) {
  const HWND window = Handle();
  if (::IsIconic(window) || ::IsZoomed(window)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(window, &placement);
    RECT r = {bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
    if (!(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
      const POINT offset = WorkAreaOffset(r);
      ::OffsetRect(&r, -offset.x, -offset.y);
    }
    placement.rcNormalPosition = r;
    placement.flags = 0;
    ::SetWindowPlacement(window, &placement);
    return;
  }
  ::SetWindowPos(window, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm::ClientWidth() const {
  RECT r{};
  ::GetClientRect(Handle(), &r);
  return r.right;
}

int TForm::ClientHeight() const {
  RECT r{};
  ::GetClientRect(Handle(), &r);
  return r.bottom;
}

void TForm::Show() {
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());
}

void TForm::CenterOnOwner() {
  RECT work{}, area{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const HWND owner = ::GetWindow(Handle(), GW_OWNER);
  if (!owner || !::GetWindowRect(owner, &area)) {
    area = work;
  } else {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoA(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor))
      work = monitor.rcWork;
  }
  const WindowBounds now = Bounds();
  const ScreenRect placed = PlaceOverOwner(
      {area.left, area.top, area.right - area.left, area.bottom - area.top}, now.width, now.height,
      {work.left, work.top, work.right - work.left, work.bottom - work.top});
  SetBounds({placed.left, placed.top, placed.width, placed.height});
}

bool TForm::Showing() const {
  return ::IsWindowVisible(Handle()) != FALSE;
}

int TForm::ShowModal() {
  const HWND owner = ::GetWindow(Handle(), GW_OWNER);
  if (owner) ::EnableWindow(owner, FALSE);
  modal_ = true;
  modalResult_ = 0;
  Show();
  ::SetForegroundWindow(Handle());
  // Keys typed at once reach the first control in tab order (of the page the show event
  // chose), as a form of the class library gets them, also where no activation came.
  FocusAControl();
  while (modal_) {
    MSG msg;
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) {  // no message was read: nothing to pass on
      modalResult_ = IDCANCEL;
      break;
    }
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop ends too
      break;
    }
    if (TApplication::PreTranslate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  modal_ = false;
  if (owner) ::EnableWindow(owner, TRUE);
  ::ShowWindow(Handle(), SW_HIDE);
  if (owner) ::SetActiveWindow(owner);
  return modalResult_;
}

void TForm::EndModal(int result) {
  modalResult_ = result;
  modal_ = false;
}

void TForm::OnCancelKey() {
  if (modal_ || def_.role == FormRole::Dialog) Close();
}

void TForm::CloseRequested() {
  if (!CloseQuery()) return;
  FormClose();
  if (modal_) {
    EndModal(IDCANCEL);
  } else if (def_.role == FormRole::Main || Handle() == Application().MainWindow()) {
    ::ShowWindow(Handle(), SW_HIDE);
    Application().Terminate();
  } else {
    ::ShowWindow(Handle(), SW_HIDE);
  }
}

void TForm::ChangeDpi(UINT dpi, const RECT* suggested) {
  dpi_ = dpi;
  for (TControl* control : controls_.All()) control->ApplyDpi();
  if (suggested) {
    ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ClientResized();
  OnDpiChanged();
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TForm::ClientResized() {
  for (TWinControl* control : controls_.Windowed()) control->ParentResized();
  FormResize();
}

bool TForm::FocusAControl() {
  const HWND focus = ::GetFocus();
  if (focus && ::IsChild(Handle(), focus)) return true;
  HWND next = lastFocus_;
  if (!next || !::IsChild(Handle(), next) || !::IsWindowVisible(next) || !::IsWindowEnabled(next))
    next = ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (!next) return false;
  ::SetFocus(next);
  return true;
}

bool TForm::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

}  // namespace vx::win32
