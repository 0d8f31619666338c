// Notifications reach the typed control that sent them, on the form and inside a panel;
// the owner-drawn list's indexes past 16 bits; the splitter reports once, on release.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormsRig.h"
#include "win32/forms/CommonControls.h"
#include "win32/forms/Form.h"
#include "win32/forms/OwnerDrawList.h"
#include "win32/forms/Splitter.h"
#include "win32/forms/StdControls.h"

namespace vx::win32 {
namespace {

class ControlsForm : public TForm {
 public:
  ControlsForm() {
    CreateForm({.className = "TVxControlsForm", .caption = "Controls", .width = 500, .height = 400},
               {
                   {&pnl, {.left = 0, .top = 0, .width = 200, .height = 400}},
                   {&tree, {.left = 2, .top = 24, .width = 190, .height = 300}, &pnl},
                   {&spl, {.left = 200, .top = 0, .width = 5, .height = 400}},
                   {&hdr, {.left = 210, .top = 0, .width = 280, .height = 20}},
                   {&lst, {.left = 210, .top = 20, .width = 280, .height = 300}},
                   {&txt, {.left = 210, .top = 330, .width = 100, .height = 21}},
               });
  }
  TPanel pnl;
  TTreeView tree;
  TSplitter spl;
  THeader hdr;
  TOwnerDrawListBox lst;
  TEdit txt;
};

TEST(FormControls, NotificationsReachTheControlThatSentThem) {
  ControlsForm form;
  form.Show();

  std::vector<std::pair<int, int>> resized;
  form.hdr.OnSectionResize = [&](int section, int width) { resized.emplace_back(section, width); };
  form.hdr.AddSection("Action", 200);
  form.hdr.AddSection("#", 50);
  form.hdr.SetSectionWidth(0, 150);
  ASSERT_FALSE(resized.empty());
  EXPECT_EQ(resized.back(), std::make_pair(0, 150));
  EXPECT_EQ(form.hdr.SectionWidth(0), 150);

  // The tree lies in a panel: its notifications still reach it.
  HTREEITEM selected = nullptr;
  int customDraws = 0;
  form.tree.OnSelect = [&](HTREEITEM item) { selected = item; };
  form.tree.OnCustomDraw = [&](NMTVCUSTOMDRAW&) -> LRESULT {
    ++customDraws;
    return CDRF_DODEFAULT;
  };
  const HTREEITEM family = form.tree.Add(nullptr, "Clipboard");
  const HTREEITEM leaf = form.tree.Add(family, "Get Clipboard", -1, -1, 198);
  form.tree.Select(leaf);
  EXPECT_EQ(selected, leaf);
  EXPECT_EQ(form.tree.ItemText(leaf), "Get Clipboard");
  EXPECT_EQ(form.tree.ItemData(leaf), 198);
  EXPECT_EQ(form.tree.ParentItem(leaf), family);
  EXPECT_EQ(form.tree.AllItems(), (std::vector<HTREEITEM>{family, leaf}));
  ::RedrawWindow(form.tree.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GT(customDraws, 0);

  int changes = 0;
  form.txt.OnChange = [&] { ++changes; };
  form.txt.SetText("clip");
  EXPECT_EQ(changes, 1);

  std::vector<int> drawn;
  form.lst.OnDrawItem = [&](const DrawItemArgs& item) { drawn.push_back(item.index); };
  form.lst.SetItems({"Wait", "Record"});
  ::RedrawWindow(form.lst.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 1), drawn.end());
}

TEST(FormControls, OwnerDrawnListIndexesPast65535AreExact) {
  ControlsForm form;
  form.lst.SetItemHeight(40);
  form.Show();
  constexpr int Count = 70000;
  form.lst.Rebuild(Count, [](int i) { return "Step " + std::to_string(i); });
  ASSERT_EQ(form.lst.Count(), Count);
  EXPECT_EQ(form.lst.ItemText(69999), "Step 69999");

  form.lst.SetTopIndex(69990);
  const int top = form.lst.TopIndex();
  EXPECT_GT(top, 65535);

  std::vector<int> drawn;
  form.lst.OnDrawItem = [&](const DrawItemArgs& item) { drawn.push_back(item.index); };
  ::RedrawWindow(form.lst.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), top), drawn.end());

  form.lst.SelectRange(65530, 65540, true);
  form.lst.SetSelected(69999, true);
  const std::vector<int> selected = form.lst.SelectedIndexes();
  ASSERT_EQ(selected.size(), 12u);
  EXPECT_EQ(selected.front(), 65530);
  EXPECT_EQ(selected[10], 65540);
  EXPECT_EQ(selected.back(), 69999);
  EXPECT_TRUE(form.lst.Selected(65536));
  // Ranges of one item, as a list of one step has them.
  form.lst.SelectRange(65536, 65536, false);
  EXPECT_FALSE(form.lst.Selected(65536));
  form.lst.SelectRange(65536, 65536, true);
  EXPECT_TRUE(form.lst.Selected(65536));
  form.lst.SetItemIndex(69000);
  EXPECT_EQ(form.lst.ItemIndex(), 69000);
}

TEST(FormControls, SplitterReportsItsNewPlaceOnceOnRelease) {
  ControlsForm form;
  form.spl.SetRange(form.Scale(50), form.Scale(400));
  form.Show();
  std::vector<int> moves;
  form.spl.OnMoved = [&](int left) { moves.push_back(left); };
  const HWND splitter = form.spl.Handle();
  ::SendMessageA(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 10));
  ::SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-30, 10));
  ::SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-60, 10));
  EXPECT_TRUE(moves.empty());  // nothing is resized while dragging
  ::SendMessageA(splitter, WM_LBUTTONUP, 0, MAKELPARAM(-60, 10));
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], form.spl.Left() - 62);
  // The range holds: a drag far to the left stops at the minimum.
  ::SendMessageA(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 10));
  ::SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-1000, 10));
  ::SendMessageA(splitter, WM_LBUTTONUP, 0, MAKELPARAM(-1000, 10));
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[1], form.Scale(50));
}

TEST(FormControls, AListDragStartsOnlyAfterFivePixelsAndDropsInsideTheList) {
  ControlsForm form;
  form.lst.SetItemHeight(40);
  form.Show();
  form.lst.SetItems({"a", "b", "c"});
  std::vector<std::string> events;
  form.lst.OnMouseDown = [&](MouseButton button, ShiftState shift, POINT at) {
    if (button == MouseButton::Left && !shift.shift && !shift.ctrl && !shift.doubleClick)
      form.lst.BeginDrag(at);
  };
  form.lst.OnStartDrag = [&](POINT) {
    events.push_back("start");
    return true;
  };
  form.lst.OnDragDrop = [&](POINT at) { events.push_back("drop " + std::to_string(at.y)); };
  form.lst.OnEndDrag = [&] { events.push_back("end"); };
  const HWND list = form.lst.Handle();
  ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 50));
  ::SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 54));
  ::SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 54));
  EXPECT_TRUE(events.empty());  // four pixels: a click, not a drag
  EXPECT_EQ(form.lst.SelectedIndexes(), std::vector<int>{1});

  ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  ::SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 15));
  ::SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 90));
  ::SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 90));
  EXPECT_EQ(events, (std::vector<std::string>{"start", "drop 90", "end"}));
  // The list did not extend its selection while the mouse moved with the button held.
  EXPECT_EQ(form.lst.SelectedIndexes(), std::vector<int>{0});
}

}  // namespace
}  // namespace vx::win32
