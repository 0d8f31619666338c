// Send Keys under Wine: into an edit control of this process, with and without the engine's
// own message pumping, and into Wine's notepad.exe in another process.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/keys/SendKeys.h"
#include "win32/input/InputTestWindow.h"
#include "win32/input/Win32Input.h"

namespace {

using vxtest::WaitUntil;

struct InputSendKeysTest : inputtest::InputSteps {
  void SendKeysStep(const std::string& keys, const std::string& mode) {
    Step(vx::ckSendKeys, keys, mode);
  }
};

TEST_F(InputSendKeysTest, ParsedKeysReachTheFocusedEdit) {
  inputtest::TestWindow window;
  // Shift for one key and for a group, the braces, a named key with a count, an extended
  // key (Left) and Enter by "~".
  SendKeysStep("Hel+lo+(ab)c{{}{}}{LEFT}{BS 1}~x", "c");
  const std::string expected = "HelLoABc\r\nx}";
  EXPECT_TRUE(WaitUntil([&] { return window.EditText() == expected; })) << window.EditText();
  EXPECT_EQ(log.lines, std::vector<std::string>{"Sending Keys..."});
}

TEST_F(InputSendKeysTest, PastedTextArrivesAsWritten) {
  inputtest::TestWindow window;
  SendKeysStep("{ENTER}+a%x%", "a");
  EXPECT_TRUE(WaitUntil([&] { return window.EditText() == "{ENTER}+a%x%"; })) << window.EditText();
}

TEST_F(InputSendKeysTest, WaitFlagDispatchesAsTheKeysGo) {
  inputtest::TestWindow window;
  EXPECT_TRUE(vx::SendKeys("wait 12", true, input.Keys(), ports.boxes));
  EXPECT_TRUE(WaitUntil([&] { return window.EditText() == "wait 12"; })) << window.EditText();
}

TEST_F(InputSendKeysTest, NumLockFlipsThisThreadsToggle) {
  const bool before = (::GetKeyState(VK_NUMLOCK) & 1) != 0;
  EXPECT_TRUE(vx::SendKeys("{NUMLOCK}", false, input.Keys(), ports.boxes));
  EXPECT_NE((::GetKeyState(VK_NUMLOCK) & 1) != 0, before);
  EXPECT_TRUE(vx::SendKeys("{numlock 3}", false, input.Keys(), ports.boxes));
  EXPECT_EQ((::GetKeyState(VK_NUMLOCK) & 1) != 0, before);
}

TEST_F(InputSendKeysTest, NotepadReceivesBothModes) {
  vxtest::Notepad notepad;
  ASSERT_TRUE(notepad.Ready());
  ASSERT_TRUE(notepad.Focus());
  SendKeysStep("Dear +notepad,~", "c");
  EXPECT_TRUE(WaitUntil([&] { return notepad.Text() == "Dear Notepad,\r\n"; })) << notepad.Text();
  SendKeysStep("{TAB 2} pasted (as is)", "a");
  EXPECT_TRUE(WaitUntil([&] {
    return notepad.Text() == "Dear Notepad,\r\n{TAB 2} pasted (as is)";
  })) << notepad.Text();
}

}  // namespace
