// The common controls the editor's main window is made of: image lists, a tree view, a
// header, a toolbar and a status bar. Each reacts to its own notifications through typed
// callbacks.
#pragma once

#include <windows.h>
// windows.h must come before commctrl.h.
#include <commctrl.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "win32/forms/Control.h"

namespace vx::win32 {

// A move-only image list of icons of one size.
class TImageList {
 public:
  TImageList() = default;
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;
  TImageList(TImageList&& other) noexcept;
  TImageList& operator=(TImageList&& other) noexcept;
  ~TImageList();

  // A new, empty list of 32-bit images with alpha of width by height pixels.
  void Create(int width, int height, int capacity = 16);
  HIMAGELIST Handle() const { return list_; }
  int Count() const;
  // Adds a 32-bit top-down image of width x height pixels (0xAARRGGBB, premultiplied alpha
  // not needed); returns its index.
  int AddPixels(std::span<const std::uint32_t> argb);
  // Adds a bitmap (and an optional mask); returns its index.
  int AddBitmap(HBITMAP image, HBITMAP mask = nullptr);
  int AddIcon(HICON icon);
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  HIMAGELIST list_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

class TTreeView : public TWinControl {
 public:
  // Custom draw (NM_CUSTOMDRAW): the handler's result is the notification's result.
  std::function<LRESULT(NMTVCUSTOMDRAW&)> OnCustomDraw;
  std::function<void()> OnDoubleClick;
  std::function<void(HTREEITEM)> OnSelect;  // TVN_SELCHANGED
  std::function<bool(UINT virtualKey, ShiftState)> OnKeyDown;

  void SetImageList(const TImageList& images);
  void SetIndent(int designPixels);
  HTREEITEM Add(HTREEITEM parent, const std::string& text, int image = -1, int selectedImage = -1,
                LPARAM data = 0);
  void Clear();
  void Expand(HTREEITEM item, bool expand = true);
  HTREEITEM Selected() const;
  void Select(HTREEITEM item);  // scrolls it into view too
  std::string ItemText(HTREEITEM item) const;
  LPARAM ItemData(HTREEITEM item) const;
  HTREEITEM Root() const;
  HTREEITEM FirstChild(HTREEITEM item) const;
  HTREEITEM NextSibling(HTREEITEM item) const;
  HTREEITEM ParentItem(HTREEITEM item) const;  // null for a top-level item
  HTREEITEM ItemAtPoint(POINT client) const;
  // Every item in display order (parents before their children), for searching.
  std::vector<HTREEITEM> AllItems() const;

  bool Notification(NMHDR& header, LRESULT& result) override;

 protected:
  const char* ClassName() const override { return WC_TREEVIEWA; }
  DWORD OwnStyle() const override;
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void ApplyDpi() override;

 private:
  int indent_ = 0;
};

// A header control with sections of their own widths.
class THeader : public TWinControl {
 public:
  // A section's width changed (while dragging and at its end): index and new width.
  std::function<void(int section, int width)> OnSectionResize;
  std::function<void(int section)> OnSectionClick;

  int AddSection(const std::string& text, int width);
  int SectionCount() const;
  int SectionWidth(int section) const;  // pixels
  void SetSectionWidth(int section, int width);

  bool Notification(NMHDR& header, LRESULT& result) override;

 protected:
  const char* ClassName() const override { return WC_HEADERA; }
  DWORD OwnStyle() const override { return HDS_HORZ | HDS_FULLDRAG; }
};

// A toolbar button: the command it sends, its image, or a separator (command 0).
struct ToolButtonDef {
  WORD command = 0;
  int image = -1;
};

// A flat toolbar with tool tips and an image list; its buttons send commands to the form.
// Its tool tips and hot-item hints are the command table's hints.
class TToolBar : public TWinControl {
 public:
  void SetImageList(const TImageList& images);
  void SetButtons(std::span<const ToolButtonDef> buttons);
  void EnableButton(WORD command, bool enabled);
  // Sizes itself across the top of its parent (done when the parent's size changes).
  void AutoSize();
  void ParentResized() override { AutoSize(); }
  void CommandEnabled(WORD command, bool enabled) override { EnableButton(command, enabled); }
  // The button under the mouse hands on its command's hint (TBN_HOTITEMCHANGE).
  std::optional<std::string> HoverHint() const override { return std::nullopt; }

  bool Notification(NMHDR& header, LRESULT& result) override;

 protected:
  const char* ClassName() const override { return TOOLBARCLASSNAMEA; }
  DWORD OwnStyle() const override;
  void AfterCreate() override;
  void ApplyDpi() override;
  // Its tool tip asks the toolbar for a button's text (the toolbar would ask its parent): the
  // toolbar answers with the command's hint itself.
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A status bar of panels; the last panel's text gives way to a hint while one is shown.
class TStatusBar : public TWinControl {
 public:
  // Panel widths in pixels at 96 DPI; -1 for the last to reach the right edge.
  void SetPanels(std::span<const int> widths);
  void SetText(int panel, const std::string& text);
  std::string PanelText(int panel) const;
  // Shows a hint over the panels (simple mode); an empty hint shows the panels again.
  void ShowHint(const std::string& hint);
  // Sizes itself across the bottom of its parent (done when the parent's size changes).
  void AutoSize();
  void ParentResized() override { AutoSize(); }

 protected:
  const char* ClassName() const override { return STATUSCLASSNAMEA; }
  DWORD OwnStyle() const override { return SBARS_SIZEGRIP; }
  void ApplyDpi() override;

 private:
  std::vector<int> widths_;
  std::string hint_;  // the hint shown, "" while the panels show
};

}  // namespace vx::win32
