#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StepsFakes.h"
#include "core/StepKinds.h"

namespace {

using ::testing::ElementsAre;
using vxtest::StepsRig;

constexpr std::uint32_t AppWindow = vx::WsExAppWindow;

TEST(StepsWindow, ShowMessageLogsThenShowsTheSubstitutedTextWithItsType) {
  StepsRig rig;
  rig.Run(vx::ckSetVariable, "who", "you");
  rig.journal.clear();
  rig.Run(vx::ckShowMessage, "Hi %who%", "Error");
  rig.Run(vx::ckShowMessage, "i", "Information");
  rig.Run(vx::ckShowMessage, "q", "Question");
  rig.Run(vx::ckShowMessage, "w", "Warning");
  EXPECT_THAT(rig.journal, ElementsAre("log Executing message...", "Box Error 2010 Hi you",
                                       "log Executing message...", "Box Information 2040 i",
                                       "log Executing message...", "Box Confirm 2020 q",
                                       "log Executing message...", "Box Warning 2030 w"));
}

TEST(StepsWindow, ShowMessageWithAnUnknownTypeIsAnInformation) {
  StepsRig rig;
  rig.Run(vx::ckShowMessage, "a", "error");
  rig.Run(vx::ckShowMessage, "b", "");
  rig.Run(vx::ckShowMessage, "c", "Warning ");
  EXPECT_THAT(rig.journal, ElementsAre("log Executing message...", "Box Information 2040 a",
                                       "log Executing message...", "Box Information 2040 b",
                                       "log Executing message...", "Box Information 2040 c"));
}

TEST(StepsWindow, CloseAllWindowsAsksOnlyApplicationWindowsAndLogsAfterEach) {
  StepsRig rig;
  rig.windows.windows = {{101, "Tool", 0x80},
                         {102, "App", AppWindow | 0x100},
                         {103, "Plain", 0},
                         {4294967295u, "Last", AppWindow}};
  rig.Run(vx::ckCloseAllWindows, "ignored");
  const std::string desktop = std::to_string(vxtest::FakeWindows::Desktop);
  EXPECT_THAT(rig.journal,
              ElementsAre("GetWindow " + desktop + " 5", "GetWindow 101 2", "WM_CLOSE 102",
                          "log Closing Window --> 102", "GetWindow 102 2", "GetWindow 103 2",
                          "WM_CLOSE 4294967295", "log Closing Window --> 4294967295",
                          "GetWindow 4294967295 2"));
}

TEST(StepsWindow, CloseAllWindowsWithoutApplicationWindowsLogsNothing) {
  StepsRig rig;
  rig.windows.windows = {{1, "a", 0}, {2, "b", 0x8}};
  rig.Run(vx::ckCloseAllWindows);
  EXPECT_TRUE(rig.log.lines.empty());
  rig.windows.windows.clear();
  rig.Run(vx::ckCloseAllWindows);
  EXPECT_TRUE(rig.log.lines.empty());
}

TEST(StepsWindow, ShowDesktopLogsAroundCreationAndReleasesTheObject) {
  StepsRig rig;
  rig.Run(vx::ckShowDesktop);
  EXPECT_THAT(rig.journal, ElementsAre("log Creating COM Object...", "Create Shell.Application",
                                       "log Minimizing all windows", "MinimizeAll", "Release"));
}

TEST(StepsWindow, ShowDesktopFailuresRaiseTheComError) {
  StepsRig rig;
  rig.windows.createFails = true;
  EXPECT_THROW(rig.Run(vx::ckShowDesktop), vx::ComError);
  EXPECT_THAT(rig.journal, ElementsAre("log Creating COM Object...", "Create Shell.Application"));

  rig.journal.clear();
  rig.windows.createFails = false;
  rig.windows.minimizeFails = true;
  EXPECT_THROW(rig.Run(vx::ckShowDesktop), vx::ComError);
  EXPECT_THAT(rig.journal, ElementsAre("log Creating COM Object...", "Create Shell.Application",
                                       "log Minimizing all windows", "MinimizeAll", "Release"));
}

TEST(StepsWindow, KillWindowLogsBeforeTheSearchAndNothingAfter) {
  StepsRig rig;
  rig.windows.windows = {{77, "Notepad", 0}};
  rig.Run(vx::ckKillWindow, "Notepad");
  rig.Run(vx::ckKillWindow, "notepad");
  EXPECT_THAT(rig.journal,
              ElementsAre("log Killing Window Notepad", "FindWindowA Notepad", "Kill 77",
                          "log Killing Window notepad", "FindWindowA notepad"));
}

TEST(StepsWindow, WindowKindsLogTheirLineBeforeActingOnTheFirstWindowOfTheClass) {
  StepsRig rig;
  rig.windows.windows = {{5, "Other", 0}, {6, "Target", 0}, {7, "Target", 0}};
  rig.Run(vx::ckCloseWindow, "Target");
  rig.Run(vx::ckMaximizeWindow, "Target");
  rig.Run(vx::ckMinimizeWindow, "Target");
  rig.Run(vx::ckActivateWindow, "Target");
  EXPECT_THAT(
      rig.journal,
      ElementsAre("FindWindowA Target", "log Closing window Target", "WM_CLOSE 6",
                  "FindWindowA Target", "log Maximizing window Target", "ShowWindow 6 3",
                  "FindWindowA Target", "log Minimizing window Target", "ShowWindow 6 6",
                  "FindWindowA Target", "log Activating window Target", "SetForegroundWindow 6"));
}

TEST(StepsWindow, WindowKindsReportAClassWithoutWindow) {
  for (const std::uint8_t kind :
       {vx::ckCloseWindow, vx::ckMaximizeWindow, vx::ckMinimizeWindow, vx::ckActivateWindow}) {
    StepsRig rig;
    rig.windows.windows = {{6, "Target", 0}};
    rig.Run(kind, " Target");
    EXPECT_THAT(rig.journal, ElementsAre("FindWindowA  Target", "log Window not Found"));
  }
}

}  // namespace
