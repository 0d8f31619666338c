// What the step dialogs with several pages share: the pages, panels in one place of which
// one shows at a time (they have no tabs), the links on the band that switch them, and the
// small flat browse buttons beside a box.
#pragma once

#include <span>

#include "editor/dialogs/StepDialog.h"
#include "win32/forms/LabelEx.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

// The pages fill the space between the heading bar and the buttons.
win32::ControlDef PageDef(const StepDialogFrame& frame);
// Where the first of count links goes: the links end at the band's foot, so the
// description above them has the most room.
int PageLinksTop(const StepDialogFrame& frame, int count);
// A page link at top on the band: white Verdana, and under the mouse dark blue on white.
win32::ControlDef PageLinkDef(const StepDialogFrame& frame, const char* caption, int top);
void StylePageLink(win32::TLabelEx& link);
// The band's description ends above the first link.
void KeepDescriptionAbove(TStepDialog& dialog, const StepDialogFrame& frame, int linksTop);

// Shows the page at index and hides the others.
void ShowPage(std::span<win32::TPanel* const> pages, int index);

// A browse button right of a box of the given geometry (in the box's parent).
win32::ControlDef BrowseButtonDef(int boxLeft, int boxTop, int boxWidth);

inline constexpr int PageLinkHeight = 18;

// A label on a page: the pages are windows of their own, which paint no windowless control,
// so their labels are static windows.
class TPageLabel : public win32::TWinControl {
 protected:
  const char* ClassName() const override { return "STATIC"; }
  DWORD OwnStyle() const override { return SS_LEFT | SS_NOPREFIX; }
};

}  // namespace vx::editor
