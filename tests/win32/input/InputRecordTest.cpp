// Record steps under Wine: real recordings typed into and clicked on a window of the test's
// own, the finished flag, the empty recording's box, the user's input held back, and the
// Ctrl+Esc cancel.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/StepKinds.h"
#include "core/playback/JournalRecord.h"
#include "win32/input/InputTestWindow.h"
#include "win32/input/Playback.h"
#include "win32/input/Win32Input.h"

namespace {

using vx::MakeKeyRecord;
using vx::MakeMouseRecord;

struct InputRecordTest : inputtest::InputSteps {
  inputtest::TestWindow window;

  ~InputRecordTest() override { vx::win32::StopPlayback(); }

  void Record(const std::string& recording, const std::string& speed) {
    Step(vx::ckRecord, recording, speed);
  }
  // A key's down and up as a recorder writes them.
  static void AddKey(std::string& data, std::uint8_t vk, std::uint32_t& time) {
    const auto scan = static_cast<std::uint8_t>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    vx::AppendRecordedEvent(data, MakeKeyRecord(vx::msg::KeyDown, vk, scan, false, time, 0));
    vx::AppendRecordedEvent(data, MakeKeyRecord(vx::msg::KeyUp, vk, scan, false, time + 5, 0));
    time += 10;
  }
  // Runs command (a Unix program) through Wine: input from the X server, not injected.
  static void RunUnix(const std::string& command) { vxtest::RunCommand(command, 10000); }
  using Lines = std::vector<std::string>;
};

TEST_F(InputRecordTest, PlaysKeysAndClicksIntoTheTestWindow) {
  std::string data;
  std::uint32_t time = 0;
  // Shift+H, I, then an extended Left and a "!" before the "i".
  const auto shiftScan = static_cast<std::uint8_t>(::MapVirtualKeyA(VK_SHIFT, 0));
  vx::AppendRecordedEvent(data, MakeKeyRecord(vx::msg::KeyDown, VK_SHIFT, shiftScan, false, 0, 0));
  AddKey(data, 'H', time);
  vx::AppendRecordedEvent(data, MakeKeyRecord(vx::msg::KeyUp, VK_SHIFT, shiftScan, false, time, 0));
  AddKey(data, 'I', time);
  vx::AppendRecordedEvent(data, MakeKeyRecord(vx::msg::KeyDown, VK_LEFT, 0x4B, true, time, 0));
  vx::AppendRecordedEvent(data, MakeKeyRecord(vx::msg::KeyUp, VK_LEFT, 0x4B, true, time + 5, 0));
  AddKey(data, VK_SPACE, time);
  const POINT at = window.PadPoint(70, 40);
  for (std::uint32_t message : {vx::msg::MouseMove, vx::msg::LButtonDown, vx::msg::LButtonUp}) {
    vx::AppendRecordedEvent(data, MakeMouseRecord(message, at.x, at.y, time += 10, 0));
  }
  data += "tail";  // fewer than 20 bytes: never read

  Record(data, "2");
  EXPECT_TRUE(vx::win32::PlaybackFinished());
  EXPECT_EQ(log.lines, (Lines{"Starting PlayHook...", "Finished PlayHook successfully."}));
  EXPECT_TRUE(vxtest::WaitUntil([&] { return window.PadEvents().size() >= 2; }));
  EXPECT_EQ(window.EditText(), "H i");
  EXPECT_EQ(window.PadEvents(), (Lines{"LD 70,40", "LU 70,40"}));
}

TEST_F(InputRecordTest, SpeedIndexesOutsideTheTableStillPlay) {
  std::string data;
  std::uint32_t time = 0;
  AddKey(data, 'Q', time);
  Record(data, "4");
  Record(data, "9");  // the delay of the last playback
  EXPECT_TRUE(vxtest::WaitUntil([&] { return window.EditText() == "qq"; })) << window.EditText();
}

TEST_F(InputRecordTest, ShortRecordingsFinishAtOnce) {
  Record(std::string(19, 'x'), "2");
  EXPECT_TRUE(vx::win32::PlaybackFinished());
  EXPECT_EQ(log.lines.size(), 2u);
}

TEST_F(InputRecordTest, EmptyRecordingShowsItsBoxAndFinishes) {
  std::vector<vxtest::AnsweredBox> boxes;
  {
    const vxtest::MessageBoxAnswerer answerer(
        {.caption = "Vorlix", .processId = ::GetCurrentProcessId()});
    Record("", "2");
    boxes = answerer.Answered();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "No Recorded data found");
  EXPECT_TRUE(vx::win32::PlaybackFinished());
  EXPECT_EQ(log.lines, (Lines{"Starting PlayHook...", "Finished PlayHook successfully."}));
}

// A slow recording of pointer moves across the pad.
std::string SlowMoves(const inputtest::TestWindow& window, int count) {
  std::string data;
  for (int i = 0; i < count; ++i) {
    const POINT p = window.PadPoint(10 + i % 200, 60);
    vx::AppendRecordedEvent(
        data, MakeMouseRecord(vx::msg::MouseMove, p.x, p.y, static_cast<std::uint32_t>(i), 0));
  }
  return data;
}

TEST_F(InputRecordTest, CtrlEscCancelsAndTheUsersKeysAreHeldBack) {
  window.FocusEdit();
  const std::string data = SlowMoves(window, 100);  // 100 events, 200 ms apart at speed 0
  input.StartPlayback(data, 0);
  EXPECT_FALSE(input.PlaybackFinished());
  ASSERT_TRUE(vxtest::WaitUntil([&] { return window.PadMoves() > 0; }));
  RunUnix("/usr/bin/xdotool type zz");  // the user typing: held back
  RunUnix("/usr/bin/xdotool key ctrl+Escape");
  EXPECT_TRUE(vxtest::WaitUntil([&] { return input.PlaybackFinished(); }));
  EXPECT_LT(window.PadMoves(), 100);
  // The user's keys pass again once the playback has ended; the held-back "zz" never came.
  RunUnix("/usr/bin/xdotool type y");
  EXPECT_TRUE(vxtest::WaitUntil([&] { return window.EditText() == "y"; }, 3000))
      << window.EditText();
}

TEST_F(InputRecordTest, StopPlaybackEndsARunningPlayback) {
  input.StartPlayback(SlowMoves(window, 50), 0);
  EXPECT_FALSE(input.PlaybackFinished());
  vx::win32::StopPlayback();
  EXPECT_TRUE(input.PlaybackFinished());
}

}  // namespace
