// Mouse Move and Mouse Click under Wine, on a pad of the test's own.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "win32/input/InputTestWindow.h"
#include "win32/input/Win32Input.h"

namespace {

struct InputMouseTest : inputtest::InputSteps {
  inputtest::TestWindow window;

  // Under Wine a pointer warp from an earlier test can reach the X server late and pull the
  // cursor back; the move is repeated until the cursor stays where the step put it.
  void MoveTo(int padX, int padY) {
    const POINT p = window.PadPoint(padX, padY);
    for (int attempt = 0; attempt < 20; ++attempt) {
      Step(vx::ckMouseMove, std::to_string(p.x) + ", " + std::to_string(p.y));
      ::Sleep(30);
      vxtest::PumpMessages();
      POINT cursor;
      ::GetCursorPos(&cursor);
      if (cursor.x == p.x && cursor.y == p.y) break;
    }
    log.lines.clear();
    log.lines.push_back("Setting Cursor Position...");
  }
  using Events = std::vector<std::string>;
};

TEST_F(InputMouseTest, MoveThenClicksLandWhereTheCursorStands) {
  MoveTo(40, 30);
  POINT cursor;
  ::GetCursorPos(&cursor);
  const POINT expected = window.PadPoint(40, 30);
  EXPECT_EQ(cursor.x, expected.x);
  EXPECT_EQ(cursor.y, expected.y);

  Step(vx::ckMouseClick, "Left Button Click");
  ASSERT_TRUE(window.WaitForPadEvents(2));
  EXPECT_EQ(window.PadEvents(), (Events{"LD 40,30", "LU 40,30"}));

  window.ClearPadEvents();
  Step(vx::ckMouseClick, "Right Button Click");
  Step(vx::ckMouseClick, "Middle Button Click");
  ASSERT_TRUE(window.WaitForPadEvents(4));
  EXPECT_EQ(window.PadEvents(), (Events{"RD 40,30", "RU 40,30", "MD 40,30", "MU 40,30"}));
  EXPECT_EQ(log.lines, (Events{"Setting Cursor Position...", "Sending Mouse Events...",
                               "Sending Mouse Events...", "Sending Mouse Events..."}));
}

TEST_F(InputMouseTest, DoubleClickIsSeenAsOne) {
  MoveTo(100, 50);
  Step(vx::ckMouseClick, "Left Button Double Click");
  ASSERT_TRUE(window.WaitForPadEvents(4));
  EXPECT_EQ(window.PadEvents(), (Events{"LD 100,50", "LU 100,50", "L2 100,50", "LU 100,50"}));
}

TEST_F(InputMouseTest, HoldMoveReleaseIsADrag) {
  MoveTo(20, 20);
  Step(vx::ckMouseClick, "Left Button Hold");
  ASSERT_TRUE(window.WaitForPadEvents(1));
  MoveTo(250, 120);
  Step(vx::ckMouseClick, "Left Button Release");
  ASSERT_TRUE(window.WaitForPadEvents(2));
  EXPECT_EQ(window.PadEvents(), (Events{"LD 20,20", "LU 250,120"}));
  EXPECT_EQ(::GetAsyncKeyState(VK_LBUTTON) & 0x8000, 0);
}

TEST_F(InputMouseTest, ClickTypesWithoutAButtonSendNothing) {
  MoveTo(60, 60);
  for (const char* type : {"", "left Button Click", "X Button Click", "Left Button Tap"}) {
    Step(vx::ckMouseClick, type);
  }
  // A real click after them: once it has arrived, whatever they sent would have too.
  Step(vx::ckMouseClick, "Right Button Click");
  ASSERT_TRUE(window.WaitForPadEvents(2));
  EXPECT_EQ(window.PadEvents(), (Events{"RD 60,60", "RU 60,60"}));
}

}  // namespace
