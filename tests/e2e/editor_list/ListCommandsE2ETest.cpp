// The Edit commands, the mouse and the keys on the real list box, and the step block on the
// real clipboard, also between two running editors.
#include "EditorListFixture.h"

namespace vxtest {
namespace {

TEST_F(EditorListE2E, CopyCutAndPasteGoThroughTheClipboardAfterTheCurrentItem) {
  ASSERT_TRUE(StartWith(Numbered(5)));
  // Steps 2 and 4 selected, the current item on 5 (clicked on and off again).
  SelectPositions({2, 4, 5, 5});
  EXPECT_EQ(SelectedLines(), (std::vector<int>{1, 3}));
  Run(acCopyAction);
  // The block holds copies, last selected first.
  EXPECT_EQ(Texts(ClipboardBlock().value_or(std::vector<vx::TCommand>{})), Row({"4", "2"}));
  Run(acPasteAction);
  EXPECT_EQ(SavedTexts(), Row({"1", "2", "3", "4", "5", "2", "4"}));
  EXPECT_EQ(SelectedLines(), (std::vector<int>{1, 3}));

  Run(acCutAction);
  EXPECT_EQ(SavedTexts(), Row({"1", "3", "5", "2", "4"}));
  Click(0);
  Run(acPasteAction);
  EXPECT_EQ(SavedTexts(), Row({"1", "2", "4", "3", "5", "2", "4"}));
  EXPECT_EQ(Items()[1], "Set Clipboard");
}

TEST_F(EditorListE2E, MovesEnablesDeletesAndDragsTheSelectedSteps) {
  ASSERT_TRUE(StartWith(Numbered(5)));
  SelectPositions({2, 4});
  Run(acMoveUp);
  EXPECT_EQ(SavedTexts(), Row({"2", "4", "1", "3", "5"}));
  EXPECT_EQ(SelectedLines(), (std::vector<int>{0, 1}));
  Run(acEnable);
  const std::vector<vx::TCommand> saved = Saved();
  EXPECT_EQ(saved[0].enabled, 0);
  EXPECT_EQ(saved[1].enabled, 0);
  EXPECT_EQ(saved[2].enabled, 1);

  // Delete with nothing selected (a press of any button below the last step deselects)
  // does nothing.
  POINT below{20, 5 * ItemHeight() + 4};
  ::ClientToScreen(list_, &below);
  MovePointer(below);
  MouseAt(below, MOUSEEVENTF_MIDDLEDOWN);
  MouseAt(below, MOUSEEVENTF_MIDDLEUP);
  ASSERT_TRUE(WaitUntil([&] { return SelectedLines().empty(); }, 3000));
  ::PostMessageW(list_, WM_KEYDOWN, VK_DELETE, 0);
  Flush();
  EXPECT_EQ(ItemCount(), 5);

  // Dragging the first step onto the third puts it in front of the third.
  const LPARAM from = ItemPoint(0), to = ItemPoint(2);
  ::PostMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, from);
  ::PostMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, ItemHeight() / 2 + 2));
  ::PostMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, to);
  ::PostMessageW(list_, WM_LBUTTONUP, 0, to);
  Flush();
  EXPECT_EQ(SavedTexts(), Row({"4", "2", "1", "3", "5"}));
  EXPECT_EQ(SelectedLines(), std::vector<int>{1});
}

// A keyboard user reaches the tree, the search box and the list with Tab and Shift+Tab (the
// bars between them are no stops), and works the list as a mouse user does.
TEST_F(EditorListE2E, TabWalksTreeSearchAndListAndTheListTakesItsKeys) {
  ASSERT_TRUE(StartWith(Numbered(5)));
  // A click on the tree's empty part gives it the focus.
  RECT tree{};
  ::GetClientRect(tree_, &tree);
  POINT empty{tree.right / 2, tree.bottom - 8};
  ::ClientToScreen(tree_, &empty);
  MovePointer(empty);
  MouseAt(empty, MOUSEEVENTF_LEFTDOWN);
  MouseAt(empty, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitUntil([&] { return HasFocus(tree_); }));
  const auto press = [&](std::initializer_list<WORD> keys, HWND then) {
    PressKeys(keys);
    return WaitUntil([&] { return HasFocus(then); }, 3000);
  };
  EXPECT_TRUE(press({VK_TAB}, search_));
  EXPECT_TRUE(press({VK_TAB}, list_));
  EXPECT_TRUE(press({VK_TAB}, tree_));
  EXPECT_TRUE(press({VK_SHIFT, VK_TAB}, list_));
  EXPECT_TRUE(press({VK_SHIFT, VK_TAB}, search_));
  EXPECT_TRUE(press({VK_SHIFT, VK_TAB}, tree_));
  ASSERT_TRUE(press({VK_SHIFT, VK_TAB}, list_));

  // The arrows move the current step and the selection as a click does; Shift extends.
  PressKeys({VK_DOWN});
  EXPECT_TRUE(WaitUntil([&] { return SelectedLines() == std::vector<int>{1}; }, 3000));
  PressKeys({VK_SHIFT, VK_DOWN});
  EXPECT_TRUE(WaitUntil([&] { return SelectedLines() == (std::vector<int>{1, 2}); }, 3000));
  PressKeys({VK_DELETE});
  ASSERT_TRUE(WaitUntil([&] { return ItemCount() == 3; }, 3000));
  EXPECT_EQ(SavedTexts(), Row({"1", "4", "5"}));
  // Enter opens the current step for editing, as a double click does.
  PressKeys({VK_DOWN});
  EXPECT_TRUE(WaitUntil([&] { return SelectedLines() == std::vector<int>{2}; }, 3000));
  PressKeys({VK_RETURN});
  const HWND dialog = ShownDialog("Tfrmclipboard");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(FindDescendant(dialog, "Edit")), "5");
  ClickButton(dialog, "Cancel");
  // Back in the list, the shortcuts still reach their commands.
  ASSERT_TRUE(WaitUntil([&] { return HasFocus(list_); }, 3000));
  PressKeys({VK_CONTROL, 'A'});
  EXPECT_TRUE(WaitUntil([&] { return SelectedLines() == (std::vector<int>{0, 1, 2}); }, 3000));
  EXPECT_EQ(SavedTexts(), Row({"1", "4", "5"}));
}

// The darkest colour on the screen in a rectangle of the list's client area.
COLORREF Darkest(HWND list, RECT area) {
  ::MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
  const HDC screen = ::GetDC(nullptr);
  COLORREF darkest = RGB(255, 255, 255);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF c = ::GetPixel(screen, x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) <
          GetRValue(darkest) + GetGValue(darkest) + GetBValue(darkest))
        darkest = c;
    }
  ::ReleaseDC(nullptr, screen);
  return darkest;
}

TEST_F(EditorListE2E, AStepsNumberIsGreyAndADragLeavesOnlyItsInsertionLine) {
  ASSERT_TRUE(StartWith(Numbered(5)));
  const int h = ItemHeight();
  RECT client{};
  ::GetClientRect(list_, &client);
  // "Step 2" on an unselected line, in the second line's grey.
  EXPECT_EQ(Darkest(list_, {200, h + 4, 260, h + 24}), RGB(80, 80, 80));

  // The line follows the mouse; leaving the list wipes it at once, so the next line drawn
  // is the only one.
  const auto move = [&](int y) {
    ::PostMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, y));
  };
  const auto lineAt = [&](int y) {
    return Darkest(list_, {client.right - 12, y - 1, client.right - 2, y + 1}) == RGB(0, 0, 0);
  };
  ::PostMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, ItemPoint(0));
  for (int y : {h + 5, -20, h + 5, 2 * h + 5, 3 * h + 5}) move(y);
  Flush();
  ASSERT_TRUE(Idle());
  move(2 * h + 5);
  Flush();
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(lineAt(2 * h));
  EXPECT_FALSE(lineAt(3 * h));
  EXPECT_FALSE(lineAt(h));
  ::PostMessageW(list_, WM_LBUTTONUP, 0, MAKELPARAM(20, -20));
  Flush();
  EXPECT_EQ(SavedTexts(), Row({"1", "2", "3", "4", "5"}));
}

TEST_F(EditorListE2E, ForeignClipboardDataAndABusyClipboardChangeNothing) {
  ASSERT_TRUE(StartWith(Numbered(3)));
  PutClipboardText("not steps");
  Post(acPasteAction);
  EXPECT_EQ(AnyBoxText(), "UnSupported Clipboard Format");
  // A block whose count promises more steps than it holds.
  std::string block = EncodeStepBlock(Numbered(2));
  block[0] = 9;
  PutClipboardBlock(block);
  Post(acPasteAction);
  EXPECT_EQ(AnyBoxText(), "UnSupported Clipboard Format");
  EXPECT_EQ(ItemCount(), 3);

  // While another program holds the clipboard open, Cut reports it and keeps the steps.
  SelectPositions({2});
  ASSERT_TRUE(::OpenClipboard(ClipboardOwner()));
  Post(acCutAction);
  const std::string error = AnyBoxText();
  ::CloseClipboard();
  EXPECT_NE(error, "(no box)");
  EXPECT_EQ(SavedTexts(), Row({"1", "2", "3"}));
}

TEST_F(EditorListE2E, StepsCopiedInOneEditorPasteIntoAnother) {
  std::vector<vx::TCommand> steps = Numbered(3);
  steps[1].p2 = std::string("a\x01\0b", 4);  // any bytes, the separator and zero included
  steps[1].p4 = "comment";
  steps[1].enabled = 0;
  const std::string second = WriteScriptFile("second.vxz", {Step(vx::ckWait, "5")});
  ASSERT_TRUE(StartWith(steps));
  Run(acSelectAll);
  Run(acCopyAction);

  Program other = StartProgram(VorlixPath(), {second});
  const HWND otherWindow = WaitForWindow({"Tfrmmain", std::nullopt, other.Id()}, 20000);
  ASSERT_NE(otherWindow, nullptr);
  ASSERT_EQ(::WaitForInputIdle(other.Handle(), 10000), 0u);
  DWORD_PTR ignored = 0;
  for (MainCommand command : {acPasteAction, acSave})
    ::SendMessageTimeoutW(otherWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0, SMTO_NORMAL, 20000,
                          &ignored);
  // Opened, the other editor has the caret on its first step: the steps go in after it.
  std::vector<vx::TCommand> expected = {Step(vx::ckWait, "5")};
  expected.insert(expected.end(), steps.begin(), steps.end());
  std::vector<vx::TCommand> pasted;
  vx::ReadScriptSteps(ReadAll(second), pasted);
  EXPECT_EQ(pasted, expected);
  other.Stop();
}

}  // namespace
}  // namespace vxtest
