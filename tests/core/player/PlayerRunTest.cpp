#include <gtest/gtest.h>

#include "UnusedPorts.h"
#include "core/Errors.h"
#include "core/PlayerRun.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"
#include "core/ports/ClipboardPort.h"

namespace vx {
namespace {

class FixedClock : public TimeOfDaySource {
 public:
  std::string Now() const override { return "12:00:00"; }
};

// Records what the run loop asks of the program around it, in order.
class RecordingHost : public RunHost {
 public:
  void ShowStep(const std::string& caption) override { calls.push_back("show " + caption); }
  void ProcessMessages() override { calls.push_back("messages"); }
  void Pause(std::uint32_t ms) override { calls.push_back("pause " + std::to_string(ms)); }
  std::vector<std::string> calls;
};

class PlayerRun : public ::testing::Test {
 protected:
  PlayerRun() {
    LogSetup setup;
    setup.enabled = true;
    setup.folder = "D:\\logs";
    setup.templateText = "<!--content-->";
    setup.scriptPath = "s.vxz";
    log = std::make_unique<TLog>(setup, clock, nullptr);
  }
  void Run(const std::string& bytes) { RunScriptSteps(bytes, *log, state, ports, host); }

  FixedClock clock;
  std::unique_ptr<TLog> log;
  PlayerState state;
  vxtest::UnusedPorts unused;
  Ports ports{unused, unused, unused, unused, unused, unused, unused, unused};
  RecordingHost host;
};

TEST_F(PlayerRun, DisabledStepsKeepTheirNumbersButGetNoCaptionRowOrPause) {
  const std::vector<TCommand> steps = {
      {200, "", "", "", "", 1}, {ckSetVariable, "a", "1", "", "", 0}, {230, "", "", "", "", 1}};
  Run(EncodeScript(steps, 0, -1));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"show Step 1 of 3: Clear Clipboard", "messages",
                                                  "pause 500", "show Step 3 of 3: Clear Clipboard",
                                                  "messages", "pause 500"}));
  const std::string rows = log->Rows();
  EXPECT_NE(rows.find("Step 1 : Clear Clipboard"), std::string::npos);
  EXPECT_NE(rows.find("Step 2 : Clear Clipboard"), std::string::npos);
  EXPECT_EQ(rows.find("Step 3"), std::string::npos);
  EXPECT_TRUE(state.variables.Lines().empty());
}

TEST_F(PlayerRun, ScriptWithoutStepsRunsNothing) {
  Run(EncodeScript({}, 0, -1));
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(log->Rows(), "");
}

TEST_F(PlayerRun, ShortFileRunsTheCompleteStepsThenFails) {
  const std::vector<TCommand> steps = {{200, "", "", "", "", 1}, {201, "", "", "", "", 1}};
  std::string bytes = EncodeScript(steps, 0, -1);
  bytes.pop_back();  // the second step loses its enabled byte
  try {
    Run(bytes);
    FAIL() << "a short file ran to its end";
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "Read beyond end of file");
  }
  EXPECT_EQ(host.calls.size(), 3u);
  EXPECT_EQ(host.calls.back(), "pause 500");
}

TEST_F(PlayerRun, NegativeSpeedPausesNotAtAll) {
  state.executionSpeed = -250;
  Run(EncodeScript(std::vector<TCommand>{{200, "", "", "", "", 1}}, 0, -1));
  EXPECT_EQ(host.calls.back(), "pause 0");
  EXPECT_EQ(PauseFor(0), 0u);
  EXPECT_EQ(PauseFor(750), 750u);
}

TEST(PlayerRunCaption, NamesStepNumberCountAndKind) {
  EXPECT_EQ(StepCaption(3, 12, ckWait), "Step 3 of 12: Wait");
  EXPECT_EQ(StepCaption(1, 1, 196), "Step 1 of 1: Clear Clipboard");
}

}  // namespace
}  // namespace vx
