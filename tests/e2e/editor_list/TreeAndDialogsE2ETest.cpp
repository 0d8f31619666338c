// The action tree's search and double click, and the dialogs opened from the tree and from
// the list, applied to the real list.
#include "EditorListFixture.h"

namespace vxtest {
namespace {

// The internet dialog's mail page shows: its message body is the dialog's only box of many
// lines (the heading above the pages is painted, not a window another program can read).
bool ShowsMailBody(HWND dialog) {
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    ::GetClassNameA(child, name, sizeof name);
    if (::lstrcmpiA(name, "Edit") == 0 && ::IsWindowVisible(child) &&
        (::GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE))
      return true;
  }
  return false;
}

TEST_F(EditorListE2E, SearchSelectsTheFirstMatchingNodeAndADoubleClickOpensOnlyKinds) {
  ASSERT_TRUE(StartWith({Step(vx::ckSetVariable, "v"), Step(vx::ckWait, "1")}));
  Search("clip");
  EXPECT_EQ(SelectedNodeText(), "Clipboard");
  Search("OBJ");
  EXPECT_EQ(SelectedNodeText(), "Copy Object");
  Search("dll");
  EXPECT_EQ(SelectedNodeText(), "Call DLL Function");
  Search("");
  EXPECT_EQ(SelectedNodeText(), "Call DLL Function");

  // A family opens nothing; its kind opens the family's dialog, adding.
  Search("clip");
  DoubleClickSelectedNode();
  Flush();  // a dialog would be showing by now
  EXPECT_FALSE(
      ::IsWindowVisible(FindTopWindow({"Tfrmclipboard", std::nullopt, editor_.Id(), false})));
  Search("get clip");
  ASSERT_EQ(SelectedNodeText(), "Get Clipboard");
  Click(0);
  DoubleClickSelectedNode();
  const HWND dialog = ShownDialog("Tfrmclipboard");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Checked(dialog, "Get From Clipboard"));
  ::SendMessageW(FindDescendant(dialog, "ComboBox"), CB_SETCURSEL, 0, 0);
  Press(dialog, "Apply");
  const std::vector<vx::TCommand> saved = Saved();
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(saved[2], Step(vx::ckGetClipboard, "v"));
  EXPECT_EQ(Items()[2], "Get Clipboard");
  EXPECT_EQ(SelectedLines(), std::vector<int>{0});

  // The same in a family whose dialog has pages: "Send Email" opens it on the mail page.
  Search("internet");
  ASSERT_EQ(SelectedNodeText(), "Internet");
  DoubleClickSelectedNode();
  Flush();
  EXPECT_FALSE(
      ::IsWindowVisible(FindTopWindow({"Tfrminternet", std::nullopt, editor_.Id(), false})));
  Search("send em");
  ASSERT_EQ(SelectedNodeText(), "Send Email");
  DoubleClickSelectedNode();
  const HWND internet = ShownDialog("Tfrminternet");
  ASSERT_NE(internet, nullptr);
  EXPECT_TRUE(ShowsMailBody(internet));
  EXPECT_FALSE(::IsWindowVisible(ChildWithText(internet, "Download File")));
  Press(internet, "Cancel");
  EXPECT_EQ(Items(), (std::vector<std::string>{"Set Variable", "Wait", "Get Clipboard"}));
}

// The dialog a double click in the tree opens lies under the pointer, so the double click's
// release lands on it: a release alone is no click. At the window's first-start size, with
// the User Input family open, these nodes lie under the System dialog's links to Wait, Set
// Variable and Call DLL Function.
TEST_F(EditorListE2E, AKindDoubleClickedInTheTreeIsStoredAsThatKind) {
  ASSERT_TRUE(StartWith({}));
  Search("Send Keys");
  const std::vector<std::string> kinds = {"Restart Windows", "Hibernate System",
                                          "Log OFF Current User"};
  for (const std::string& kind : kinds) {
    Search(kind);
    ASSERT_EQ(SelectedNodeText(), kind);
    const POINT pointer = PressTwiceOnSelectedNode();
    const HWND dialog = ShownDialog("Tfrmsystem");
    ASSERT_NE(dialog, nullptr) << kind;
    // The release lands on the dialog's band, where its links are.
    EXPECT_TRUE(WaitUntil([&] { return ::WindowFromPoint(pointer) == dialog; })) << kind;
    MouseAt(pointer, MOUSEEVENTF_LEFTUP);
    ClickButton(dialog, "Apply");
  }
  EXPECT_EQ(Items(), kinds);
}

// A dialog opened over a small main window in the screen's corner is moved into the work
// area, whole: centred on the window, its title bar would lie above the screen.
TEST_F(EditorListE2E, ADialogOverAWindowInTheCornerLiesInTheWorkArea) {
  for (const auto& [name, value] :
       {std::pair{"Left", 0}, {"Top", 0}, {"Width", 330}, {"Height", 300}})
    SetVorlixFlag(name, value);
  ASSERT_TRUE(StartWith({}));
  Search("send em");
  ASSERT_EQ(SelectedNodeText(), "Send Email");
  DoubleClickSelectedNode();
  const HWND dialog = ShownDialog("Tfrminternet");
  ASSERT_NE(dialog, nullptr);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(::GetMonitorInfoA(::MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor));
  RECT placed{}, inside{};
  ::GetWindowRect(dialog, &placed);
  ::IntersectRect(&inside, &placed, &monitor.rcWork);
  EXPECT_TRUE(::EqualRect(&inside, &placed))
      << placed.left << ", " << placed.top << ", " << placed.right << ", " << placed.bottom;
  ClickButton(dialog, "Cancel");
}

TEST_F(EditorListE2E, StepsAreEditedInPlaceAndCommented) {
  vx::TCommand set = Step(vx::ckSetClipboard, "hello");
  set.p4 = "note";
  set.enabled = 0;
  ASSERT_TRUE(StartWith({Step(vx::ckSetVariable, "v"), set, Step(vx::ckClearClipboard)}));
  DoubleClick(1);
  HWND dialog = ShownDialog("Tfrmclipboard");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Checked(dialog, "Set Clipboard"));
  ::SendMessageW(ChildWithText(dialog, "Get From Clipboard"), BM_CLICK, 0, 0);
  ::SendMessageW(FindDescendant(dialog, "ComboBox"), CB_SETCURSEL, 0, 0);
  Press(dialog, "Apply");
  vx::TCommand expected = Step(vx::ckGetClipboard, "v");
  expected.p4 = "note";
  expected.enabled = 0;
  EXPECT_EQ(Saved()[1], expected);
  EXPECT_EQ(Items()[1], "Get Clipboard");

  // A right press with one other step selected selects the pressed one alone and makes it
  // current, so Properties opens it.
  RightClick(2);
  EXPECT_EQ(SelectedLines(), std::vector<int>{2});
  ::PostMessageW(window_, WM_KEYDOWN, VK_ESCAPE, 0);  // the context menu, if it showed
  Post(pActionProperties);
  dialog = ShownDialog("Tfrmclipboard");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Checked(dialog, "Clear Clipboard"));
  Press(dialog, "Cancel");

  // The comment of the current item is shown; OK gives it to every selected step.
  SelectPositions({1, 2});
  Post(acComment);
  dialog = ShownDialog("Tfrmcomment");
  ASSERT_NE(dialog, nullptr);
  const HWND box = FindDescendant(dialog, "Edit");
  EXPECT_EQ(WindowText(box), "note");
  ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"both"));
  Press(dialog, "OK");
  const std::vector<vx::TCommand> saved = Saved();
  EXPECT_EQ(saved[0].p4, "both");
  EXPECT_EQ(saved[1].p4, "both");
  EXPECT_EQ(saved[2].p4, "");
}

}  // namespace
}  // namespace vxtest
