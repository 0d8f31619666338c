// TListBoxEx: the criteria list of the disk dialog. It shows an object criteria as readable
// lines, headings bold and values regular, and carries a small button in its bottom right
// corner through which its host opens the criteria for editing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win32/Handles.h"
#include "win32/forms/Control.h"

namespace vx::editor {

class TListBoxEx : public win32::TWinControl {
 public:
  // The embedded button was clicked.
  std::function<void()> OnButtonClick;

  // The criteria the list shows; empty after creation.
  const std::string& Criteria() const { return criteria_; }
  std::vector<std::string> Lines() const;
  HWND Button() const { return button_; }

  bool DrawItem(DRAWITEMSTRUCT& item) override;
  bool MeasureItem(MEASUREITEMSTRUCT& item) override;
  void ApplyDpi() override;

 protected:
  const char* ClassName() const override { return "LISTBOX"; }
  DWORD OwnStyle() const override;
  void AfterCreate() override;
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  friend void ShowObjectCriteria(TListBoxEx& list, const std::string& criteria);
  void PlaceButton();

  std::string criteria_;
  HWND button_ = nullptr;  // a child of the list, destroyed with it
  int buttonId_ = 0;
  win32::UniqueGdiObject boldFont_;
};

// Replaces the lines of list by the description of criteria and keeps criteria as the
// list's Criteria.
void ShowObjectCriteria(TListBoxEx& list, const std::string& criteria);

}  // namespace vx::editor
