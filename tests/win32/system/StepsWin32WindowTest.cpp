#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <thread>

#include "StepsWin32Rig.h"
#include "core/Errors.h"
#include "core/StepKinds.h"
#include "win32/Handles.h"

namespace {

using ::testing::ElementsAre;
using vxtest::WaitUntil;
using vxtest::Win32Rig;

// Wine's notepad as another program's window, found by its class "Notepad".
class StepsWin32Notepad : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(notepad_.Ready());
    ASSERT_EQ(vxtest::FindTopWindows({"Notepad"}).size(), 1u) << "another notepad is open";
    window_ = notepad_.Frame();
  }

  bool Ended() { return notepad_.Process().Wait(10000).has_value(); }
  DWORD ExitCode() { return notepad_.Process().Wait(0).value_or(STILL_ACTIVE); }

  vxtest::Notepad notepad_;
  HWND window_ = nullptr;
  Win32Rig rig_;
};

TEST_F(StepsWin32Notepad, MinimizeMaximizeAndActivate) {
  rig_.Run(vx::ckMinimizeWindow, "Notepad");
  EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(window_) != FALSE; }));
  rig_.Run(vx::ckMaximizeWindow, "Notepad");
  EXPECT_TRUE(WaitUntil([&] { return ::IsZoomed(window_) != FALSE; }));
  rig_.Run(vx::ckActivateWindow, "Notepad");
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window_; }));
  EXPECT_THAT(rig_.log.lines, ElementsAre("Minimizing window Notepad", "Maximizing window Notepad",
                                          "Activating window Notepad"));
}

TEST_F(StepsWin32Notepad, CloseAsksTheWindowToClose) {
  rig_.Run(vx::ckCloseWindow, "Notepad");
  EXPECT_TRUE(Ended());
  EXPECT_THAT(rig_.log.lines, ElementsAre("Closing window Notepad"));
}

TEST_F(StepsWin32Notepad, KillEndsTheProcessWithExitCodeZero) {
  rig_.Run(vx::ckKillWindow, "Notepad");
  ASSERT_TRUE(Ended());
  EXPECT_EQ(ExitCode(), 0u);
  EXPECT_THAT(rig_.log.lines, ElementsAre("Killing Window Notepad"));
}

TEST_F(StepsWin32Notepad, TheClassIsUsedAsWritten) {
  rig_.Run(vx::ckCloseWindow, "Notepad ");
  rig_.Run(vx::ckKillWindow, "VxNoSuchClass");
  rig_.Run(vx::ckActivateWindow, "");
  EXPECT_TRUE(notepad_.Process().Running());
  EXPECT_THAT(rig_.log.lines,
              ElementsAre("Window not Found", "Killing Window VxNoSuchClass", "Window not Found"));
}

// A window of this test with the application-window style, to see that the walk of the
// desktop's windows reaches it and that WM_CLOSE arrives. Running the whole step here would
// ask every application window of the desktop to close.
LRESULT CALLBACK CountCloses(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    ::SetPropA(window, "closes", reinterpret_cast<HANDLE>(1));
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST(StepsWin32Windows, TheDesktopWalkFindsApplicationWindowsAndSendsThemWmClose) {
  WNDCLASSA type{};
  type.lpfnWndProc = CountCloses;
  type.hInstance = ::GetModuleHandleA(nullptr);
  type.lpszClassName = "VxStepsAppWindow";
  ::RegisterClassA(&type);
  vx::win32::UniqueWindow app(::CreateWindowExA(WS_EX_APPWINDOW, "VxStepsAppWindow", "app",
                                                WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                                nullptr, type.hInstance, nullptr));
  ASSERT_TRUE(app);

  Win32Rig rig;
  vx::WindowPort& windows = rig.ports.windows;
  const auto handle = reinterpret_cast<vx::WindowHandle>(app.Get());
  bool reached = false;
  for (vx::WindowHandle w = windows.GetWindow(windows.GetDesktopWindow(), vx::GwChild); w != 0;
       w = windows.GetWindow(w, vx::GwHwndNext)) {
    reached = reached || w == handle;
  }
  EXPECT_TRUE(reached);
  EXPECT_NE(windows.GetExtendedStyle(handle) & vx::WsExAppWindow, 0u);
  EXPECT_EQ(windows.FindWindowByClass("VxStepsAppWindow"), handle);
  windows.SendClose(handle);
  EXPECT_EQ(::GetPropA(app.Get(), "closes"), reinterpret_cast<HANDLE>(1));
  ::RemovePropA(app.Get(), "closes");
}

// The dialog runs on a thread of its own; this thread finds it by caption, reads its text
// and presses OK.
std::string ShowAndAnswer(const std::string& type, const std::string& caption) {
  Win32Rig rig;
  rig.Run(vx::ckSetVariable, "who", "you");
  std::thread shower([&] { rig.Run(vx::ckShowMessage, "Hello %who%", type); });
  const DWORD self = ::GetCurrentProcessId();
  std::string text = "<no dialog captioned " + caption + ">";
  if (const auto box = vxtest::AnswerMessageBox({.caption = caption, .processId = self}))
    text = box->text;
  else  // whatever it shows, it must not hold the test for ever
    vxtest::AnswerMessageBox({.processId = self});
  shower.join();
  EXPECT_THAT(rig.log.lines,
              ElementsAre("Creating a new variable who with a value you", "Executing message..."));
  return text;
}

TEST(StepsWin32Windows, ShowMessageShowsTheTypeCaptionAndWaitsForOk) {
  EXPECT_EQ(ShowAndAnswer("Error", "Error"), "Hello you");
  EXPECT_EQ(ShowAndAnswer("Information", "Information"), "Hello you");
  EXPECT_EQ(ShowAndAnswer("Question", "Confirm"), "Hello you");
  EXPECT_EQ(ShowAndAnswer("Warning", "Warning"), "Hello you");
  EXPECT_EQ(ShowAndAnswer("", "Information"), "Hello you");
}

TEST(StepsWin32Windows, ShowDesktopWithoutComRaisesTheComError) {
  std::thread withoutCom([] {
    Win32Rig rig;
    try {
      rig.Run(vx::ckShowDesktop);
      ADD_FAILURE() << "no COM error";
    } catch (const vx::ComError& error) {
      // The system's own words, without the line break and full stop that close them.
      const std::string message = error.what();
      EXPECT_FALSE(message.empty());
      EXPECT_NE(message.back(), '.') << message;
      EXPECT_NE(message.back(), '\n') << message;
      EXPECT_EQ(error.Kind(), "EOleSysError");
    }
    EXPECT_THAT(rig.log.lines, ElementsAre("Creating COM Object..."));
  });
  withoutCom.join();
}

// Either every application window is minimised (this test's own among them), or the step
// reports the system's refusal: Wine does not implement MinimizeAll.
TEST(StepsWin32Windows, ShowDesktopMinimisesEveryWindowOrReportsWhy) {
  std::thread withCom([] {
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    {
      vx::win32::UniqueWindow own(::CreateWindowExA(WS_EX_APPWINDOW, "STATIC", "own",
                                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                                    100, nullptr, nullptr, nullptr, nullptr));
      ASSERT_TRUE(own);
      Win32Rig rig;
      try {
        rig.Run(vx::ckShowDesktop);
        EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(own.Get()) != FALSE; }));
      } catch (const vx::ComError& e) {
        EXPECT_FALSE(std::string(e.what()).empty());  // Wine: the call's bare DISP_E_EXCEPTION
      }
      EXPECT_THAT(rig.log.lines, ElementsAre("Creating COM Object...", "Minimizing all windows"));
    }
    ::CoUninitialize();
  });
  withCom.join();
}

}  // namespace
