// Send Keys, Mouse Click, Mouse Move and Record through a recording input port.
#include <gtest/gtest.h>

#include "LineLog.h"
#include "UnusedPorts.h"
#include "core/Errors.h"
#include "core/Interpreter.h"
#include "core/StepKinds.h"
#include "core/keys/KeysFakes.h"
#include "core/steps/StepsFakes.h"

namespace {

struct InputStepsTest : ::testing::Test {
  vxtest::RecordingInput input;
  vxtest::Journal clipboardCalls;
  vxtest::FakeClipboard clipboard{clipboardCalls};
  vxtest::LineLog log;
  vxtest::UnusedPorts unused;
  vx::PlayerState state;
  vx::Ports ports{.clipboard = clipboard,
                  .windows = unused,
                  .system = unused,
                  .shell = unused,
                  .input = input,
                  .smtp = unused,
                  .ftp = unused,
                  .boxes = input.keyboard};
  vx::StepContext context{log, state, ports};

  void Run(std::uint8_t kind, const std::string& p1, const std::string& p2 = "") {
    vx::TCommand step;
    step.kind = kind;
    step.p1 = p1;
    step.p2 = p2;
    step.p3 = "ignored";
    vx::ExecuteStep(context, step);
  }
  using Lines = std::vector<std::string>;
};

TEST_F(InputStepsTest, SendKeysPastesInModeA) {
  Run(vx::ckSendKeys, "{ENTER}%x%", "a");
  EXPECT_EQ(log.lines, Lines{"Sending Keys..."});
  EXPECT_EQ(clipboardCalls, (Lines{"Open", "Empty", "SetText {ENTER}%x%", "Close"}));
  EXPECT_TRUE(input.calls.empty());
  EXPECT_EQ(input.keyboard.Joined(), "D11 D56 U56 U11");
  EXPECT_EQ(input.keyboard.scans, (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST_F(InputStepsTest, SendKeysParsesInModeCWithoutWaiting) {
  Run(vx::ckSendKeys, "{ENTER}", "c");
  EXPECT_EQ(input.keyboard.Joined(), "DD UD");
  EXPECT_TRUE(input.calls.empty());
}

TEST_F(InputStepsTest, SendKeysWithAnotherModeOnlyLogs) {
  for (const char* mode : {"C", "", "A", "ca"}) Run(vx::ckSendKeys, "abc", mode);
  EXPECT_EQ(log.lines, Lines(4, "Sending Keys..."));
  EXPECT_TRUE(input.calls.empty());
  EXPECT_EQ(input.keyboard.Joined(), "");
}

TEST_F(InputStepsTest, SendKeysErrorsLeaveTheStep) {
  clipboard.openSucceeds = false;
  EXPECT_THROW(Run(vx::ckSendKeys, "x", "a"), vx::ClipboardError);
  clipboard.openSucceeds = true;
  clipboard.setSucceeds = false;  // pasting would type what the clipboard held before
  EXPECT_THROW(Run(vx::ckSendKeys, "x", "a"), vx::ClipboardError);
  EXPECT_EQ(input.keyboard.Joined(), "");  // no key before the clipboard is set
  EXPECT_THROW(Run(vx::ckSendKeys, "+{ENTER 1x}", "c"), vx::ConvertError);
  EXPECT_EQ(input.keyboard.Joined(), "D10 U10");
}

TEST_F(InputStepsTest, MouseClickTypes) {
  const std::pair<const char*, Lines> cases[] = {
      {"Left Button Click", {"mouse:2", "mouse:4"}},
      {"Left Button Double Click", {"mouse:2", "mouse:4", "mouse:2", "mouse:4"}},
      {"Right Button Hold", {"mouse:8"}},
      {"Right Button Release", {"mouse:16"}},
      {"Middle Button Double Click", {"mouse:32", "mouse:64", "mouse:32", "mouse:64"}},
      {"Middle Button Release", {"mouse:64"}},
      {"Left Button Wiggle", {}},
      {"Left  Button Click", {}},  // two blanks: the third word is "Button"
      {"left Button Click", {}},
      {"", {}},
  };
  for (const auto& [text, events] : cases) {
    input.calls.clear();
    log.lines.clear();
    Run(vx::ckMouseClick, text);
    EXPECT_EQ(input.calls, events) << text;
    EXPECT_EQ(log.lines, Lines{"Sending Mouse Events..."});
  }
}

TEST_F(InputStepsTest, MouseMoveReadsBothIntegersBeforeLogging) {
  Run(vx::ckMouseMove, "300, 400");
  Run(vx::ckMouseMove, "300,400");
  Run(vx::ckMouseMove, "$10,-5");
  EXPECT_EQ(input.calls, (Lines{"cursor:300,400", "cursor:300,400", "cursor:16,-5"}));
  EXPECT_EQ(log.lines, Lines(3, "Setting Cursor Position..."));
  for (const char* bad : {"300", "", "x,1", "300,400 ", "300;400"}) {
    EXPECT_THROW(Run(vx::ckMouseMove, bad), vx::ConvertError) << bad;
  }
  EXPECT_EQ(log.lines.size(), 3u);
}

TEST_F(InputStepsTest, RecordWaitsWhileMessagesRun) {
  Run(vx::ckRecord, std::string(40, '\0'), "7");
  EXPECT_EQ(input.calls, (Lines{"play:40,7", "messages", "messages", "messages"}));
  EXPECT_EQ(log.lines, (Lines{"Starting PlayHook...", "Finished PlayHook successfully."}));
}

TEST_F(InputStepsTest, RecordWithABadSpeedFailsBeforePlaying) {
  EXPECT_THROW(Run(vx::ckRecord, "data", "fast"), vx::ConvertError);
  EXPECT_EQ(log.lines, Lines{"Starting PlayHook..."});
  EXPECT_TRUE(input.calls.empty());
  // A negative speed is passed on as an unsigned index outside the table.
  input.playbackPolls = 0;
  Run(vx::ckRecord, "", "-1");
  EXPECT_EQ(input.calls, Lines{"play:0,4294967295"});
}

// The previous playback ends before the box says there is nothing to play.
TEST_F(InputStepsTest, AnEmptyRecordingShowsItsBoxOnceThePlaybackStopped) {
  input.playbackPolls = 0;
  Run(vx::ckRecord, "", "2");
  EXPECT_EQ(input.calls, Lines{"play:0,2"});
  EXPECT_EQ(input.keyboard.Joined(), "box:No Recorded data found|Vorlix|32");
  EXPECT_EQ(log.lines, (Lines{"Starting PlayHook...", "Finished PlayHook successfully."}));
}

}  // namespace
