#include "win32/forms/Form.h"

#include <stdexcept>

#include "win32/forms/Application.h"

namespace vx::win32 {

namespace {

struct KindClass {
  const char* className;
  DWORD style;
};

KindClass ClassOf(const ControlDef& def) {
  switch (def.kind) {
    case ControlKind::Button:
      return {"BUTTON",
              static_cast<DWORD>(WS_TABSTOP) | (def.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
    case ControlKind::CheckBox:
      return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX};
    case ControlKind::RadioButton:
      return {"BUTTON", BS_AUTORADIOBUTTON};
    case ControlKind::GroupBox:
      return {"BUTTON", BS_GROUPBOX};
    case ControlKind::Edit:
      return {"EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL};
    case ControlKind::ListBox:
      return {"LISTBOX", WS_BORDER | WS_VSCROLL | LBS_NOTIFY};
    case ControlKind::ComboBox:
      return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL};
    case ControlKind::Custom:
      return {def.className, 0};
    default:
      return {nullptr, 0};
  }
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

}  // namespace

UINT WindowDpi(HWND window) {
  static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (getDpi && window) {
    const UINT dpi = getDpi(window);
    if (dpi) return dpi;
  }
  const HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96u;
}

TForm::~TForm() {
  if (window_) ::SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
  window_.Reset();
}

void TForm::CreateForm(const FormDef& form, std::span<const ControlDef> controls, HWND owner) {
  def_ = form;
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  if (!::GetClassInfoExA(instance, form.className, &windowClass)) {
    windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &TForm::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.lpszClassName = form.className;
    ::RegisterClassExA(&windowClass);
  }
  backgroundBrush_.Reset(::CreateSolidBrush(form.background));
  items_.clear();
  for (const ControlDef& def : controls) {
    Item item;
    item.def = def;
    item.caption = def.caption ? def.caption : "";
    items_.push_back(std::move(item));
  }
  const HWND window = ::CreateWindowExA(form.exStyle | WS_EX_CONTROLPARENT, form.className,
                                        form.caption, form.style | WS_CLIPCHILDREN, 0, 0,
                                        form.width, form.height, owner, nullptr, instance, this);
  if (!window) throw std::runtime_error("Cannot create the window " + std::string(form.className));
  dpi_ = WindowDpi(window);
  formFont_.Reset(MakeFont(form.font));
  for (std::size_t i = 0; i < items_.size(); ++i) CreateControl(items_[i], static_cast<int>(i));
  Layout();
  ::SetWindowPos(window, nullptr, 0, 0, Scale(form.width), Scale(form.height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::CreateControl(Item& item, int index) {
  const ControlDef& def = item.def;
  item.gradient.SetParent(Handle());
  if (def.kind == ControlKind::Image) {
    item.bitmap.Reset(::LoadImageA(::GetModuleHandleA(nullptr), def.caption, IMAGE_BITMAP, 0, 0,
                                   LR_CREATEDIBSECTION));
  }
  const KindClass kind = ClassOf(def);
  if (!kind.className) return;
  const int id = def.id ? def.id : 1000 + index;
  item.window = ::CreateWindowExA(0, kind.className, item.caption.c_str(),
                                  WS_CHILD | WS_VISIBLE | kind.style | def.style, 0, 0, 0, 0,
                                  Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ::GetModuleHandleA(nullptr), nullptr);
}

HFONT TForm::MakeFont(const FontDef& font) const {
  return ::CreateFontA(-::MulDiv(font.points, static_cast<int>(dpi_), 72), 0, 0, 0,
                       font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, font.face);
}

RECT TForm::ScaledRect(const ControlDef& def) const {
  return {Scale(def.left), Scale(def.top), Scale(def.left + def.width),
          Scale(def.top + def.height)};
}

void TForm::Layout() {
  for (Item& item : items_) {
    item.font.Reset(MakeFont(item.def.font));
    const RECT r = ScaledRect(item.def);
    if (item.def.kind == ControlKind::Gradient) item.gradient.SetBounds(r);
    if (!item.window) continue;
    ::SendMessageA(item.window, WM_SETFONT, reinterpret_cast<WPARAM>(item.font.Get()), FALSE);
    ::MoveWindow(item.window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TForm::ChangeDpi(UINT dpi, const RECT* suggested) {
  dpi_ = dpi;
  formFont_.Reset(MakeFont(def_.font));
  Layout();
  if (suggested) {
    ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  OnDpiChanged();
}

TForm::Item* TForm::Find(std::string_view name) {
  for (Item& item : items_)
    if (name == item.def.name) return &item;
  throw std::logic_error("No control named " + std::string(name));
}

const TForm::Item* TForm::Find(std::string_view name) const {
  return const_cast<TForm*>(this)->Find(name);
}

HWND TForm::Control(std::string_view name) const {
  return Find(name)->window;
}

TGradient& TForm::Gradient(std::string_view name) {
  return Find(name)->gradient;
}

std::string TForm::Caption(std::string_view name) const {
  const Item* item = Find(name);
  if (!item->window) return item->caption;
  const int length = ::GetWindowTextLengthA(item->window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextA(item->window, text.data(), length + 1)));
  return text;
}

void TForm::SetCaption(std::string_view name, const std::string& text) {
  Item* item = Find(name);
  if (item->window) {
    ::SetWindowTextA(item->window, text.c_str());
    return;
  }
  RECT before = TextBounds(*item);
  item->caption = text;
  RECT after = TextBounds(*item);
  RECT both;
  ::UnionRect(&both, &before, &after);
  ::InvalidateRect(Handle(), &both, FALSE);
}

void TForm::SetVisible(std::string_view name, bool visible) {
  Item* item = Find(name);
  item->visible = visible;
  if (item->window) {
    ::ShowWindow(item->window, visible ? SW_SHOWNA : SW_HIDE);
  } else {
    const RECT r = ScaledRect(item->def);
    ::InvalidateRect(Handle(), &r, FALSE);
  }
}

bool TForm::IsVisible(std::string_view name) const {
  const Item* item = Find(name);
  return item->window ? ::IsWindowVisible(item->window) != FALSE : item->visible;
}

void TForm::SetControlBounds(std::string_view name, int left, int top, int width, int height) {
  Item* item = Find(name);
  item->def.left = left;
  item->def.top = top;
  item->def.width = width;
  item->def.height = height;
  const RECT r = ScaledRect(item->def);
  if (item->def.kind == ControlKind::Gradient) item->gradient.SetBounds(r);
  if (item->window)
    ::MoveWindow(item->window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TForm::SetBounds(int left, int top, int width, int height) {
  ::SetWindowPos(Handle(), nullptr, left, top, Scale(width), Scale(height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());
}

int TForm::ShowModal() {
  const HWND owner = ::GetWindow(Handle(), GW_OWNER);
  if (owner) ::EnableWindow(owner, FALSE);
  modal_ = true;
  modalResult_ = 0;
  Show();
  ::SetForegroundWindow(Handle());
  MSG msg;
  while (modal_) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop ends too
      break;
    }
    if (::IsDialogMessageA(Handle(), &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
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

void TForm::OnCommand(std::string_view, WORD) {}

void TForm::OnClose() {
  if (modal_) {
    EndModal(IDCANCEL);
  } else if (Handle() == Application().MainWindow()) {
    Application().Terminate();
  } else {
    ::ShowWindow(Handle(), SW_HIDE);
  }
}

bool TForm::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
  return false;
}

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

}  // namespace vx::win32
