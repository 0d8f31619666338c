#include <gtest/gtest.h>

#include "DiskWinHelpers.h"
#include "core/StepKinds.h"
#include "win32/Handles.h"
#include "win32/forms/Application.h"
#include "win32/system/RunFile.h"

namespace vxtest {
namespace {

using vx::win32::RunFile;

TEST(DiskRunFile, WaitGivesTheExitCodeAndNoWaitGivesZero) {
  TempFolder folder;
  const std::string probe = CopyProbe(folder, "probe.exe");
  EXPECT_EQ(RunFile("open", probe, "exit=3", "", 1, true), 3);
  EXPECT_EQ(ReadAll(folder.File("probe.log")), "probe.exe start exit=3\nprobe.exe end\n");
  EXPECT_EQ(RunFile("open", probe, "", "", 0, false), 0);
  EXPECT_NE(WaitForLog(folder.File("probe.log"), "start \n").find("probe.exe start \n"),
            std::string::npos)
      << "empty parameters start the program without any";
}

// The shell reports a file it cannot open in a box of its own, which is answered until the
// launch has returned.
TEST(DiskRunFile, AFileTheShellCannotOpenGivesMinusOne) {
  TempFolder folder;
  const MessageBoxAnswerer answerer({.processId = ::GetCurrentProcessId()});
  EXPECT_EQ(RunFile("open", folder.File("missing.exe"), "", "", 1, true), -1);
  EXPECT_EQ(RunFile("open", folder.File("missing.exe"), "", "", 1, false), -1);
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++*reinterpret_cast<int*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST(DiskRunFile, MessagesKeepRunningWhileItWaits) {
  TempFolder folder;
  const std::string probe = CopyProbe(folder, "probe.exe");
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = CountingProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "DiskRunFileCounter";
  ::RegisterClassA(&windowClass);
  const vx::win32::UniqueWindow window(::CreateWindowA("DiskRunFileCounter", "", 0, 0, 0, 0, 0,
                                                       HWND_MESSAGE, nullptr, nullptr, nullptr));
  ASSERT_TRUE(window);
  int handled = 0;
  ::SetWindowLongPtrA(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handled));
  ::PostMessageA(window.Get(), WM_APP, 0, 0);
  ::PostQuitMessage(7);
  ASSERT_FALSE(vx::win32::Application().Terminated());
  EXPECT_EQ(RunFile("open", probe, "sleep=1000 exit=0", "", 1, true), 0);
  EXPECT_EQ(handled, 1);
  EXPECT_TRUE(vx::win32::Application().Terminated())
      << "a request to end taken during the wait ends the message loop as anywhere else";
}

// The shell opens a folder window of its own, which must not outlive the test.
bool CloseFolderWindow(const std::string& name) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND window : FindTopWindows({}))
      if (Caption(window).find(name) != std::string::npos) found = window;
    return found != nullptr;
  });
  if (found) ::PostMessageA(found, WM_CLOSE, 0, 0);
  return found != nullptr;
}

TEST(DiskRunFile, AFolderIsNothingToWaitFor) {
  TempFolder folder;
  EXPECT_EQ(RunFile("open", folder.Path().string(), "", "", 1, true), 0);
  EXPECT_TRUE(CloseFolderWindow(folder.Path().filename().string()));
}

TEST(DiskRunObject, WaitRunsTheProgramsOneAfterTheOther) {
  TempFolder folder;
  CopyProbe(folder, "a.exe");
  CopyProbe(folder, "b.exe");
  RealShellRun run;
  const char sep = '\x01';
  const std::string criteria =
      std::string() + sep + folder.Path().string() + sep + "exe" + sep + sep;
  const auto lines = run.Run(vx::ckRunObject, criteria, "w", "sleep=300 exit=1");
  ASSERT_EQ(lines.size(), 3u);
  const std::string log = ReadAll(folder.File("probe.log"));
  const std::string first = lines[1].substr(lines[1].size() - 5);
  const std::string second = lines[2].substr(lines[2].size() - 5);
  EXPECT_EQ(log, first + " start \"sleep=300 exit=1\"\n" + first + " end\n" + second +
                     " start \"sleep=300 exit=1\"\n" + second + " end\n");

  run.Run(vx::ckRunObject, std::string("a") + sep + folder.Path().string() + sep + sep + sep, "",
          "-x");
  EXPECT_NE(WaitForLog(folder.File("probe.log"), "a.exe start \"-x\"").find("a.exe start \"-x\""),
            std::string::npos);
}

}  // namespace
}  // namespace vxtest
