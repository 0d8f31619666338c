// Send Keys under Wine: into an edit control of this process, with and without the engine's
// own message pumping, and into Wine's notepad.exe in another process.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/keys/SendKeys.h"
#include "win32/input/InputTestWindow.h"
#include "win32/input/Win32Input.h"

namespace {

using inputtest::PumpUntil;

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
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == expected; })) << window.EditText();
  EXPECT_EQ(log.lines, std::vector<std::string>{"Sending Keys..."});
}

TEST_F(InputSendKeysTest, PastedTextArrivesAsWritten) {
  inputtest::TestWindow window;
  SendKeysStep("{ENTER}+a%x%", "a");
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == "{ENTER}+a%x%"; })) << window.EditText();
}

TEST_F(InputSendKeysTest, WaitFlagDispatchesAsTheKeysGo) {
  inputtest::TestWindow window;
  EXPECT_TRUE(vx::SendKeys("wait 12", true, input.Keys()));
  EXPECT_TRUE(PumpUntil([&] { return window.EditText() == "wait 12"; })) << window.EditText();
}

TEST_F(InputSendKeysTest, NumLockFlipsThisThreadsToggle) {
  const bool before = (::GetKeyState(VK_NUMLOCK) & 1) != 0;
  EXPECT_TRUE(vx::SendKeys("{NUMLOCK}", false, input.Keys()));
  EXPECT_NE((::GetKeyState(VK_NUMLOCK) & 1) != 0, before);
  EXPECT_TRUE(vx::SendKeys("{numlock 3}", false, input.Keys()));
  EXPECT_EQ((::GetKeyState(VK_NUMLOCK) & 1) != 0, before);
}

// Wine's own notepad in a process of its own; ended with the test.
class Notepad {
 public:
  Notepad() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    char command[] = "notepad.exe";
    if (!::CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process_)) {
      return;
    }
    ::WaitForInputIdle(process_.hProcess, 10000);
    PumpUntil([&] { return (frame_ = ::FindWindowA("Notepad", nullptr)) != nullptr; }, 10000);
    if (frame_) edit_ = ::FindWindowExA(frame_, nullptr, "Edit", nullptr);
  }
  ~Notepad() {
    if (process_.hProcess) {
      ::TerminateProcess(process_.hProcess, 0);
      ::WaitForSingleObject(process_.hProcess, 5000);
      ::CloseHandle(process_.hProcess);
      ::CloseHandle(process_.hThread);
    }
  }
  Notepad(const Notepad&) = delete;
  Notepad& operator=(const Notepad&) = delete;

  HWND Edit() const { return edit_; }
  void Focus() {
    ::SetForegroundWindow(frame_);
    PumpUntil([&] { return ::GetForegroundWindow() == frame_; }, 3000);
  }
  std::string Text() const { return inputtest::WindowText(edit_); }

 private:
  PROCESS_INFORMATION process_{};
  HWND frame_ = nullptr;
  HWND edit_ = nullptr;
};

TEST_F(InputSendKeysTest, NotepadReceivesBothModes) {
  Notepad notepad;
  ASSERT_NE(notepad.Edit(), nullptr);
  notepad.Focus();
  SendKeysStep("Dear +notepad,~", "c");
  EXPECT_TRUE(PumpUntil([&] { return notepad.Text() == "Dear Notepad,\r\n"; })) << notepad.Text();
  SendKeysStep("{TAB 2} pasted (as is)", "a");
  EXPECT_TRUE(PumpUntil([&] {
    return notepad.Text() == "Dear Notepad,\r\n{TAB 2} pasted (as is)";
  })) << notepad.Text();
}

}  // namespace
