// An owner-drawn list box with a fixed item height, extended multiple selection and strings
// (LB_GETTEXT reads each item's text). Item indexes are full 32-bit numbers; LB_ITEMFROMPOINT,
// which hands out only 16 bits, is left alone (the item under a point follows from the top
// index and the item height).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win32/forms/Control.h"

namespace vx::win32 {

struct DrawItemArgs {
  HDC dc;
  int index;  // -1 for an empty list's focus rectangle
  RECT rect;  // client pixels
  bool selected;
  bool focused;
};

class TOwnerDrawListBox : public TWinControl {
 public:
  // Draws one item; without a handler the item's text is drawn plainly.
  std::function<void(const DrawItemArgs&)> OnDrawItem;
  std::function<void(MouseButton, ShiftState, POINT client)> OnMouseDown;
  std::function<void(ShiftState, POINT client)> OnMouseMove;
  std::function<void(MouseButton, ShiftState, POINT client)> OnMouseUp;
  std::function<void()> OnDoubleClick;
  std::function<void()> OnSelect;  // LBN_SELCHANGE
  // A key pressed in the list; return true to swallow it.
  std::function<bool(UINT virtualKey, ShiftState shift)> OnKeyDown;
  // Enter pressed in the list. While set, the list takes Enter from the form's dialog keys
  // (which would otherwise turn it into the form's default command).
  std::function<void()> OnEnter;

  // The fixed item height in pixels at 96 DPI (scaled by the DPI).
  void SetItemHeight(int designPixels);
  int ItemHeight() const;  // client pixels

  // Replaces every item in one pass with redraw off, then paints once.
  void SetItems(const std::vector<std::string>& texts);
  // Replaces every item with count texts from textOf(i), in one pass as SetItems.
  void Rebuild(int count, const std::function<std::string(int)>& textOf);
  int Count() const;
  std::string ItemText(int index) const;
  void Clear();

  // Selection: the caret item (ItemIndex), each item's selection, and all at once.
  int ItemIndex() const;
  void SetItemIndex(int index);  // the caret, without changing the selection
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  void SelectRange(int first, int last, bool selected);
  int SelectedCount() const;
  std::vector<int> SelectedIndexes() const;
  int TopIndex() const;
  void SetTopIndex(int index);

  // Inverts a horizontal line of the list's client area (drawn twice it is gone): the
  // drop mark of a drag.
  void InvertLine(int y, int thickness = 2);

  void SetRedraw(bool redraw);
  // Paints the whole list again before returning.
  void Repaint();

  // Dragging inside the list, begun by the program: BeginDrag, called at a left press, arms a
  // drag that starts only once the mouse has moved DragThreshold pixels with the button held
  // (a plain click never starts one). OnStartDrag may refuse (false: no drop follows); while
  // dragging OnDragOver follows the mouse (inside: over the list's client area); a release
  // over the list drops; OnEndDrag ends every started drag, dropped or not (Esc cancels).
  static constexpr int DragThreshold = 5;
  void BeginDrag(POINT client);
  bool Dragging() const { return dragState_ == DragState::Dragging; }
  std::function<bool(POINT client)> OnStartDrag;
  std::function<void(POINT client, bool inside)> OnDragOver;
  std::function<void(POINT client)> OnDragDrop;
  std::function<void()> OnEndDrag;

  bool DrawItem(DRAWITEMSTRUCT& item) override;
  bool MeasureItem(MEASUREITEMSTRUCT& item) override;
  void CommandNotification(WORD code) override;
  void ApplyDpi() override;

 protected:
  const char* ClassName() const override { return "LISTBOX"; }
  DWORD OwnStyle() const override;
  void AfterCreate() override;
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  enum class DragState { None, Armed, Dragging };
  bool DragMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void EndDrag(bool drop, POINT client);

  int itemHeight_ = 16;  // design pixels
  DragState dragState_ = DragState::None;
  POINT dragStart_{};
};

}  // namespace vx::win32
