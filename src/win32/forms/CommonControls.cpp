#include "win32/forms/CommonControls.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "win32/forms/Form.h"

namespace vx::win32 {

// --- TImageList

TImageList::TImageList(TImageList&& other) noexcept
    : list_(std::exchange(other.list_, nullptr)), width_(other.width_), height_(other.height_) {}

TImageList& TImageList::operator=(TImageList&& other) noexcept {
  if (this != &other) {
    if (list_) ::ImageList_Destroy(list_);
    list_ = std::exchange(other.list_, nullptr);
    width_ = other.width_;
    height_ = other.height_;
  }
  return *this;
}

TImageList::~TImageList() {
  if (list_) ::ImageList_Destroy(list_);
}

void TImageList::Create(int width, int height, int capacity) {
  if (list_) ::ImageList_Destroy(list_);
  list_ = ::ImageList_Create(width, height, ILC_COLOR32, 0, capacity);
  if (!list_) throw std::runtime_error("Cannot create an image list");
  width_ = width;
  height_ = height;
}

int TImageList::Count() const {
  return list_ ? ::ImageList_GetImageCount(list_) : 0;
}

int TImageList::AddPixels(std::span<const std::uint32_t> argb) {
  if (!list_ || argb.size() != static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_))
    throw std::logic_error("An image of another size than its list's");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueGdiObject bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) throw std::runtime_error("Cannot create an image");
  // Premultiplied alpha, as the image list draws 32-bit images.
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < argb.size(); ++i) {
    const std::uint32_t p = argb[i];
    const std::uint32_t a = p >> 24;
    const auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    out[i] =
        (a << 24) | (mul((p >> 16) & 0xFF) << 16) | (mul((p >> 8) & 0xFF) << 8) | mul(p & 0xFF);
  }
  return ::ImageList_Add(list_, static_cast<HBITMAP>(bitmap.Get()), nullptr);
}

int TImageList::AddBitmap(HBITMAP image, HBITMAP mask) {
  return list_ ? ::ImageList_Add(list_, image, mask) : -1;
}

int TImageList::AddIcon(HICON icon) {
  return list_ ? ::ImageList_ReplaceIcon(list_, -1, icon) : -1;
}

// --- TTreeView

DWORD TTreeView::OwnStyle() const {
  return WS_TABSTOP | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
         TVS_SHOWSELALWAYS;
}

void TTreeView::ApplyDpi() {
  TWinControl::ApplyDpi();
  if (window_ && indent_ > 0) TreeView_SetIndent(window_, Scale(indent_));
}

void TTreeView::SetImageList(const TImageList& images) {
  if (window_) TreeView_SetImageList(window_, images.Handle(), TVSIL_NORMAL);
}

void TTreeView::SetIndent(int designPixels) {
  indent_ = designPixels;
  if (window_) TreeView_SetIndent(window_, Scale(indent_));
}

HTREEITEM TTreeView::Add(HTREEITEM parent, const std::string& text, int image, int selectedImage,
                         LPARAM data) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent ? parent : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.lParam = data;
  if (image >= 0) {
    insert.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage >= 0 ? selectedImage : image;
  }
  return reinterpret_cast<HTREEITEM>(
      ::SendMessageA(window_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TTreeView::Clear() {
  if (window_) TreeView_DeleteAllItems(window_);
}

void TTreeView::Expand(HTREEITEM item, bool expand) {
  if (window_) TreeView_Expand(window_, item, expand ? TVE_EXPAND : TVE_COLLAPSE);
}

HTREEITEM TTreeView::Selected() const {
  return window_ ? TreeView_GetSelection(window_) : nullptr;
}

void TTreeView::Select(HTREEITEM item) {
  if (!window_) return;
  TreeView_SelectItem(window_, item);
  if (item) TreeView_EnsureVisible(window_, item);
}

std::string TTreeView::ItemText(HTREEITEM item) const {
  char text[512] = {};
  TVITEMA tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = sizeof text;
  if (!window_ || !::SendMessageA(window_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)))
    return {};
  return text;
}

LPARAM TTreeView::ItemData(HTREEITEM item) const {
  TVITEMA tv{};
  tv.mask = TVIF_PARAM;
  tv.hItem = item;
  if (!window_ || !::SendMessageA(window_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)))
    return 0;
  return tv.lParam;
}

HTREEITEM TTreeView::Root() const {
  return window_ ? TreeView_GetRoot(window_) : nullptr;
}

HTREEITEM TTreeView::FirstChild(HTREEITEM item) const {
  return window_ ? TreeView_GetChild(window_, item) : nullptr;
}

HTREEITEM TTreeView::NextSibling(HTREEITEM item) const {
  return window_ ? TreeView_GetNextSibling(window_, item) : nullptr;
}

HTREEITEM TTreeView::ItemAtPoint(POINT client) const {
  TVHITTESTINFO hit{};
  hit.pt = client;
  return window_ ? TreeView_HitTest(window_, &hit) : nullptr;
}

std::vector<HTREEITEM> TTreeView::AllItems() const {
  std::vector<HTREEITEM> items;
  std::vector<HTREEITEM> pending;
  for (HTREEITEM item = Root(); item; item = NextSibling(item)) pending.push_back(item);
  std::reverse(pending.begin(), pending.end());
  while (!pending.empty()) {
    const HTREEITEM item = pending.back();
    pending.pop_back();
    items.push_back(item);
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = FirstChild(item); child; child = NextSibling(child))
      children.push_back(child);
    pending.insert(pending.end(), children.rbegin(), children.rend());
  }
  return items;
}

bool TTreeView::Notification(NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case NM_CUSTOMDRAW:
      if (!OnCustomDraw) return false;
      result = OnCustomDraw(reinterpret_cast<NMTVCUSTOMDRAW&>(header));
      return true;
    case NM_DBLCLK:
      if (!OnDoubleClick) return false;
      OnDoubleClick();
      result = 0;
      return true;
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      if (OnSelect) OnSelect(reinterpret_cast<NMTREEVIEWA&>(header).itemNew.hItem);
      return true;
    default:
      return false;
  }
}

bool TTreeView::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Alt alone (the menu bar), Alt+F4 and the other system keys belong to the window, as in
  // every other control: Wine's tree view takes them as plain keys and lets none through.
  if (message == WM_SYSKEYDOWN) {
    result = ::DefWindowProcA(window_, message, wParam, lParam);
    return true;
  }
  if (message != WM_KEYDOWN || !OnKeyDown) return false;
  if (!OnKeyDown(static_cast<UINT>(wParam), ShiftFromKeyboard())) return false;
  result = 0;
  return true;
}

// --- THeader

int THeader::AddSection(const std::string& text, int width) {
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<char*>(text.c_str());
  item.cxy = width;
  item.fmt = HDF_LEFT | HDF_STRING;
  return static_cast<int>(::SendMessageA(window_, HDM_INSERTITEMA,
                                         static_cast<WPARAM>(SectionCount()),
                                         reinterpret_cast<LPARAM>(&item)));
}

int THeader::SectionCount() const {
  return window_ ? Header_GetItemCount(window_) : 0;
}

int THeader::SectionWidth(int section) const {
  HDITEMA item{};
  item.mask = HDI_WIDTH;
  if (!window_ || !::SendMessageA(window_, HDM_GETITEMA, static_cast<WPARAM>(section),
                                  reinterpret_cast<LPARAM>(&item)))
    return 0;
  return item.cxy;
}

void THeader::SetSectionWidth(int section, int width) {
  HDITEMA item{};
  item.mask = HDI_WIDTH;
  item.cxy = width;
  if (window_)
    ::SendMessageA(window_, HDM_SETITEMA, static_cast<WPARAM>(section),
                   reinterpret_cast<LPARAM>(&item));
}

bool THeader::Notification(NMHDR& header, LRESULT& result) {
  const auto& notice = reinterpret_cast<NMHEADERA&>(header);
  switch (header.code) {
    case HDN_ITEMCHANGEDA:
    case HDN_ITEMCHANGEDW:
      if (OnSectionResize && notice.pitem && (notice.pitem->mask & HDI_WIDTH))
        OnSectionResize(notice.iItem, notice.pitem->cxy);
      result = 0;
      return true;
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
      if (OnSectionClick) OnSectionClick(notice.iItem);
      result = 0;
      return true;
    default:
      return false;
  }
}

// --- TToolBar

DWORD TToolBar::OwnStyle() const {
  return TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER;
}

void TToolBar::AfterCreate() {
  ::SendMessageA(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void TToolBar::ApplyDpi() {
  TWinControl::ApplyDpi();
  AutoSize();
}

void TToolBar::SetImageList(const TImageList& images) {
  if (!window_) return;
  ::SendMessageA(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Handle()));
  AutoSize();
}

void TToolBar::SetButtons(std::span<const ToolButtonDef> buttons) {
  if (!window_) return;
  while (::SendMessageA(window_, TB_BUTTONCOUNT, 0, 0) > 0)
    ::SendMessageA(window_, TB_DELETEBUTTON, 0, 0);
  std::vector<TBBUTTON> items;
  for (const ToolButtonDef& def : buttons) {
    TBBUTTON button{};
    button.iBitmap = def.command ? def.image : 0;
    button.idCommand = def.command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = def.command ? BTNS_BUTTON : BTNS_SEP;
    items.push_back(button);
  }
  ::SendMessageA(window_, TB_ADDBUTTONSA, items.size(), reinterpret_cast<LPARAM>(items.data()));
  AutoSize();
}

void TToolBar::EnableButton(WORD command, bool enabled) {
  if (window_) ::SendMessageA(window_, TB_ENABLEBUTTON, command, MAKELPARAM(enabled ? 1 : 0, 0));
}

void TToolBar::AutoSize() {
  if (!window_) return;
  ::SendMessageA(window_, TB_AUTOSIZE, 0, 0);
  RECT r;
  ::GetWindowRect(window_, &r);
  ::MapWindowPoints(HWND_DESKTOP, ParentHandle(), reinterpret_cast<POINT*>(&r), 2);
  bounds_ = r;
}

bool TToolBar::OnWindowMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY || !form_) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  const bool tip = header.code == TTN_GETDISPINFOA || header.code == TTN_GETDISPINFOW;
  if (!tip || !IsCommandId(static_cast<unsigned>(header.idFrom))) return false;
  // A button's tip is its command's hint. The text must outlive this message.
  static thread_local std::string text;
  static thread_local std::wstring wide;
  text = form_->Commands().Hint(static_cast<WORD>(header.idFrom));
  if (header.code == TTN_GETDISPINFOA) {
    reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = text.data();
  } else {
    wide.assign(text.begin(), text.end());
    reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = wide.data();
  }
  result = 0;
  return true;
}

bool TToolBar::Notification(NMHDR& header, LRESULT& result) {
  if (header.code != TBN_HOTITEMCHANGE || !form_) return false;
  // The form hands on the hint of the button under the mouse, as it does for menu items.
  const auto& hot = reinterpret_cast<NMTBHOTITEM&>(header);
  const bool leaving = (hot.dwFlags & HICF_LEAVING) != 0;
  form_->ShowCommandHint(leaving ? 0 : static_cast<WORD>(hot.idNew));
  result = 0;
  return true;
}

// --- TStatusBar

void TStatusBar::SetPanels(std::span<const int> widths) {
  widths_.assign(widths.begin(), widths.end());
  ApplyDpi();
}

void TStatusBar::ApplyDpi() {
  TWinControl::ApplyDpi();
  if (!window_) return;
  if (widths_.empty()) {
    AutoSize();
    return;
  }
  std::vector<int> edges;
  int right = 0;
  for (const int width : widths_) {
    right = width < 0 ? -1 : right + Scale(width);
    edges.push_back(right);
  }
  ::SendMessageA(window_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  AutoSize();
}

void TStatusBar::SetText(int panel, const std::string& text) {
  if (window_)
    ::SendMessageA(window_, SB_SETTEXTA, static_cast<WPARAM>(panel),
                   reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TStatusBar::PanelText(int panel) const {
  if (!window_) return {};
  const LRESULT length = ::SendMessageA(window_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel), 0);
  std::string text(static_cast<std::size_t>(LOWORD(length)) + 1, '\0');
  ::SendMessageA(window_, SB_GETTEXTA, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(LOWORD(length)));
  return text;
}

void TStatusBar::ShowHint(const std::string& hint) {
  // Asked on every mouse move: only a change reaches the bar.
  if (!window_ || hint == hint_) return;
  hint_ = hint;
  if (hint.empty()) {
    ::SendMessageA(window_, SB_SIMPLE, FALSE, 0);
    return;
  }
  ::SendMessageA(window_, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(hint.c_str()));
  ::SendMessageA(window_, SB_SIMPLE, TRUE, 0);
}

void TStatusBar::AutoSize() {
  if (!window_) return;
  ::SendMessageA(window_, WM_SIZE, 0, 0);
  RECT r;
  ::GetWindowRect(window_, &r);
  ::MapWindowPoints(HWND_DESKTOP, ParentHandle(), reinterpret_cast<POINT*>(&r), 2);
  bounds_ = r;
}

}  // namespace vx::win32

namespace vx::win32 {

HTREEITEM TTreeView::ParentItem(HTREEITEM item) const {
  return window_ ? TreeView_GetParent(window_, item) : nullptr;
}

}  // namespace vx::win32
