// examples/showcase.vxz, the script scripts/run plays by default, holds the steps below.
// Run with VX_WRITE_EXAMPLES=1 to write it again from them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TempFolder.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"

namespace vx {
namespace {

// Each comment ends before the list's right-hand column (x 200 at the header's first
// width), where a disabled step shows "Disabled" under its number.
std::vector<TCommand> ShowcaseSteps() {
  return {
      {ckExecutionSpeed, "700", "", "", "slow enough to watch", 1},
      {ckSetVariable, "name", "Vorlix", "", "", 1},
      {ckSetVariable, "copied", "nothing yet", "", "declared for Get Clipboard", 1},
      {ckSetClipboard, "Hello from %name%", "", "", "", 1},
      {ckGetClipboard, "copied", "", "", "read it back into a variable", 1},
      {ckWait, "1000", "", "", "", 1},
      {ckWait, "60000", "", "", "skipped, keeps its number", 0},
      {ckSetVariable, "done", "%copied%, finished", "", "", 1},
      {ckExecutionSpeed, "300", "", "", "", 1},
      {ckClearClipboard, "", "", "", "", 1},
  };
}

TEST(ExampleScript, ShowcaseHoldsItsSteps) {
  std::string path = VX_SOURCE_DIR "/examples/showcase.vxz";
#ifdef _WIN32
  path.insert(0, "Z:");  // the source tree as Wine's programs see it
#endif
  if (std::getenv("VX_WRITE_EXAMPLES"))
    vxtest::WriteAll(path, EncodeScript(ShowcaseSteps(), 0, -1));
  // Read back step by step, so the file is checked against the steps, not against the
  // writer that made it.
  const std::string bytes = vxtest::ReadAll(path);
  ASSERT_GE(bytes.size(), 5u);
  EXPECT_EQ(bytes.substr(0, 3), std::string("\xDF\x07\x01"));
  std::vector<TCommand> steps;
  ReadScriptSteps(bytes, steps);
  const std::vector<TCommand> expected = ShowcaseSteps();
  ASSERT_EQ(steps.size(), expected.size());
  for (std::size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].kind, expected[i].kind) << i;
    EXPECT_EQ(steps[i].p1, expected[i].p1) << i;
    EXPECT_EQ(steps[i].p2, expected[i].p2) << i;
    EXPECT_EQ(steps[i].p3, expected[i].p3) << i;
    EXPECT_EQ(steps[i].p4, expected[i].p4) << i;
    EXPECT_EQ(steps[i].enabled, expected[i].enabled) << i;
  }
}

}  // namespace
}  // namespace vx
