// What the dialogs with several pages share: the pages are sets of controls of which one is
// shown at a time (the tabs of a page control are never shown, the links switch them), and
// the links in the coloured band that switch them.
#pragma once

#include <initializer_list>
#include <vector>

#include "editor/dialogs/StepPages.h"
#include "win32/forms/LabelEx.h"

namespace vx::editor {

class DialogPages {
 public:
  // The controls of each page, in page order.
  void Assign(std::initializer_list<std::vector<win32::TControl*>> pages);
  // Shows the controls of page index and hides every other page's.
  void Show(int index);
  int Shown() const { return shown_; }

 private:
  std::vector<std::vector<win32::TControl*>> pages_;
  int shown_ = -1;
};

// Where a page link lies in the band: the row-th link from the band's bottom (0 lowest).
win32::ControlDef PageLinkDef(const char* caption, int bandWidth, int dialogHeight, int row);

}  // namespace vx::editor
