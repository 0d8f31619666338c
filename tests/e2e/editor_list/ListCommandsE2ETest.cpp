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

  // Delete with nothing selected (a press below the last step deselects) does nothing.
  ::PostMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5 * ItemHeight() + 4));
  ::PostMessageW(list_, WM_LBUTTONUP, 0, MAKELPARAM(20, 5 * ItemHeight() + 4));
  Flush();
  EXPECT_EQ(SelectedLines(), std::vector<int>{});
  ::PostMessageW(list_, WM_KEYDOWN, VK_DELETE, 0);
  Flush();
  EXPECT_EQ(ItemCount(), 5);
  SelectPositions({1, 3});
  ::PostMessageW(list_, WM_KEYDOWN, VK_DELETE, 0);
  Flush();
  EXPECT_EQ(SavedTexts(), Row({"4", "3", "5"}));

  // Dragging the first step onto the third puts it in front of the third.
  const LPARAM from = ItemPoint(0), to = ItemPoint(2);
  ::PostMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, from);
  ::PostMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, ItemHeight() / 2 + 2));
  ::PostMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, to);
  ::PostMessageW(list_, WM_LBUTTONUP, 0, to);
  Flush();
  EXPECT_EQ(SavedTexts(), Row({"3", "4", "5"}));
  EXPECT_EQ(SelectedLines(), std::vector<int>{1});
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
