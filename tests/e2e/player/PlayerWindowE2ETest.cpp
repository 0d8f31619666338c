// The player with its progress window: size and place, the list, and the error report
// inside the message loop.
#include <filesystem>

#include "PlayerE2EFixture.h"

namespace vxtest {
namespace {

using namespace vx;

std::vector<TCommand> SlowSteps(int count) {
  // The default execution speed pauses 500 ms after each step: time to look at the window.
  std::vector<TCommand> steps;
  for (int i = 0; i < count; ++i) {
    std::string name = "v";
    name.append(std::to_string(i));
    steps.push_back(Step(ckSetVariable, name, "x"));
  }
  return steps;
}

void ExpectFlushBottomRight(HWND window, int width, int height) {
  // The window exists before it is shown and placed: wait for its place, not its creation.
  WaitUntil(
      [&] { return ::IsWindowVisible(window) && WindowBounds(window).right == WorkArea().right; },
      5000);
  const RECT r = WindowBounds(window);
  const RECT work = WorkArea();
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
  EXPECT_EQ(r.right, work.right);
  EXPECT_EQ(r.bottom, work.bottom);
}

bool Foreground(HWND window) {
  ::SetForegroundWindow(window);
  return WaitUntil([&] { return ::GetForegroundWindow() == window; }, 5000);
}

HWND ListOf(HWND info) {
  return ::FindWindowExA(info, nullptr, "LISTBOX", nullptr);
}

// Lets the player's queue run through twice. A post to its list is handled only after all
// that was posted before it; the second one also comes after anything the first one's wait
// let the player post, so a close the error path asked for has taken effect by then.
bool QueueRanThrough(HWND list) {
  for (const int index : {0, -1}) {
    ::PostMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (!WaitUntil(
            [&] { return ::IsWindow(list) && ::SendMessageW(list, LB_GETCURSEL, 0, 0) == index; },
            5000))
      return false;
  }
  return true;
}

TEST_F(PlayerE2E, ExtendedWindowIs300By200AtTheBottomRightWithItsList) {
  SetPlayerSettings({.show = true, .extended = true, .log = true, .logPath = LogFolder()});
  const std::string script = Script("ext.vxz", SlowSteps(4));
  Program player = StartVexec({script});
  const HWND info = InfoWindow(player, 15000);
  ASSERT_TRUE(info);
  ExpectFlushBottomRight(info, 300, 200);
  const HWND list = ListOf(info);
  ASSERT_TRUE(list);
  EXPECT_TRUE(::IsWindowVisible(list));
  // The run closes the window after the last step, which ends the player.
  EXPECT_EQ(player.Wait(20000), 0u);
  const auto page = ReadFileText(LogOf(script));
  ASSERT_TRUE(page);
  EXPECT_EQ(CountOf(*page, "CellStepMain\" scope"), 4);
}

TEST_F(PlayerE2E, CompactWindowIs300By75WithoutTheList) {
  SetPlayerSettings({.show = true, .extended = false, .log = false, .logPath = LogFolder()});
  Program player = StartVexec({Script("compact.vxz", SlowSteps(3))});
  const HWND info = InfoWindow(player, 15000);
  ASSERT_TRUE(info);
  ExpectFlushBottomRight(info, 300, 75);
  const HWND list = ListOf(info);
  ASSERT_TRUE(list);
  EXPECT_FALSE(::IsWindowVisible(list));
  EXPECT_EQ(player.Wait(20000), 0u);
}

TEST_F(PlayerE2E, ErrorInsideTheWindowIsReportedAndTheWindowStaysWithItsLines) {
  SetPlayerSettings({.show = true, .extended = true, .log = true, .logPath = LogFolder()});
  const std::string script =
      Script("cut.vxz", {Step(ckSetVariable, "a", "1"), Step(ckSetVariable, "b", "2")});
  std::filesystem::resize_file(script, std::filesystem::file_size(script) - 3);
  Program player = StartVexec({script});
  EXPECT_EQ(ExpectBox(player, "Vorlix Parser"), "Read beyond end of file");
  const HWND info = InfoWindow(player, 5000);
  ASSERT_TRUE(info);
  ASSERT_TRUE(WaitUntil([&] { return !FindMessageBox({.caption = "Vorlix Parser"}); }));
  EXPECT_TRUE(QueueRanThrough(ListOf(info)));
  EXPECT_TRUE(::IsWindow(info) && player.Running()) << "the window must stay open after the error";
  // The step's outcome lines were mirrored into the list.
  EXPECT_EQ(ListBoxItems(ListOf(info)).size(), 1u);
  ::PostMessageW(info, WM_CLOSE, 0, 0);
  EXPECT_EQ(player.Wait(15000), 1u) << "a failed run ends the player with exit code 1";
  const auto page = ReadFileText(LogOf(script));
  ASSERT_TRUE(page);
  EXPECT_EQ(CountOf(*page, "CellStepMain\" scope"), 1);
}

TEST_F(PlayerE2E, EscIsIgnoredWhileTheScriptRunsAndAfterAnErrorEndsThePlayerWithCode1) {
  SetPlayerSettings({.show = true, .extended = false, .log = true, .logPath = LogFolder()});
  // A script's own keystrokes may reach the window: Esc must not cut the run short.
  const std::string slow = Script("slow.vxz", SlowSteps(3));
  Program running = StartVexec({slow});
  HWND info = InfoWindow(running, 15000);
  ASSERT_TRUE(info);
  ::PostMessageW(info, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(running.Wait(20000), 0u);
  const auto page = ReadFileText(LogOf(slow));
  ASSERT_TRUE(page);
  EXPECT_EQ(CountOf(*page, "CellStepMain\" scope"), 3);

  // Once a failing step has ended the run, the window waits for the user, who dismisses the
  // report and closes the window with Esc; the exit code tells a batch file the run failed.
  const std::string bad = Script("bad.vxz", {Step(ckWait, "x"), Step(ckWait, "1")});
  Program failed = StartVexec({bad});
  const HWND box = WaitForWindow({"#32770", "Vorlix Parser", failed.Id()}, 15000);
  ASSERT_TRUE(box);
  EXPECT_EQ(MessageBoxText(box), "'x' is not a valid integer value");
  ASSERT_TRUE(Foreground(box));
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  info = InfoWindow(failed, 5000);
  ASSERT_TRUE(info);
  ASSERT_TRUE(Foreground(info));
  PressKeys({VK_ESCAPE});
  EXPECT_EQ(failed.Wait(15000), 1u);
  const auto failedPage = ReadFileText(LogOf(bad));
  ASSERT_TRUE(failedPage);
  EXPECT_EQ(CountOf(*failedPage, "CellStepMain\" scope"), 1);
}

TEST_F(PlayerE2E, ScriptWithoutStepsClosesTheWindowAtOnceAndLogsAnEmptyTable) {
  SetPlayerSettings({.show = true, .extended = true, .log = true, .logPath = LogFolder()});
  const std::string script = Script("empty.vxz", {});
  EXPECT_EQ(RunVexec({script}, 15000).exitCode, 0u);
  const auto page = ReadFileText(LogOf(script));
  ASSERT_TRUE(page);
  EXPECT_EQ(CountOf(*page, "CellStepMain\" scope"), 0);
  EXPECT_NE(page->find("</table>"), std::string::npos);
}

TEST_F(PlayerE2E, WindowWithoutParameterShowsTheMessageThenCloses) {
  SetPlayerSettings({.show = true, .extended = false, .log = false, .logPath = {}});
  Program player = StartVexec({});
  ASSERT_TRUE(InfoWindow(player, 15000));
  EXPECT_EQ(ExpectBox(player, "Vorlix"), "No paramters passed, Vorlix Parser will close.");
  EXPECT_EQ(player.Wait(15000), 0u);
}

TEST_F(PlayerE2E, UnreadableExtendedFlagIsReportedAndTheRunGoesOnCompact) {
  SetPlayerSettings({.show = true, .extended = false, .log = true, .logPath = LogFolder()});
  SetVorlixText("vpExtended", "yes");
  const std::string script = Script("x.vxz", SlowSteps(1));
  Program player = StartVexec({script});
  EXPECT_EQ(ExpectBox(player, "Vorlix Parser"), "Invalid data type for 'vpExtended'");
  const HWND info = InfoWindow(player, 5000);
  ASSERT_TRUE(info);
  // The window takes its place once the report is dismissed.
  ExpectFlushBottomRight(info, 300, 75);
  EXPECT_EQ(player.Wait(15000), 0u);
  const auto page = ReadFileText(LogOf(script));
  ASSERT_TRUE(page);
  EXPECT_EQ(CountOf(*page, "CellStepMain\" scope"), 1);
}

}  // namespace
}  // namespace vxtest
