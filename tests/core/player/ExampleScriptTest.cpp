// examples/showcase.vxz, the script scripts/run plays by default, is written by the core's
// own writer from the steps below. Run with VX_WRITE_EXAMPLES=1 to write it again.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TempFolder.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"

namespace vx {
namespace {

std::vector<TCommand> ShowcaseSteps() {
  return {
      {ckExecutionSpeed, "700", "", "", "slow enough to watch", 1},
      {ckSetVariable, "name", "Vorlix", "", "", 1},
      {ckSetVariable, "copied", "nothing yet", "", "Get Clipboard needs a declared variable", 1},
      {ckSetClipboard, "Hello from %name%", "", "", "", 1},
      {ckGetClipboard, "copied", "", "", "read it back into a variable", 1},
      {ckWait, "1000", "", "", "", 1},
      {ckWait, "60000", "", "", "disabled: skipped, but keeps its number", 0},
      {ckSetVariable, "done", "%copied%, finished", "", "", 1},
      {ckExecutionSpeed, "300", "", "", "", 1},
      {ckClearClipboard, "", "", "", "", 1},
  };
}

TEST(ExampleScript, ShowcaseIsWhatTheWriterMakesOfItsSteps) {
  std::string path = VX_SOURCE_DIR "/examples/showcase.vxz";
#ifdef _WIN32
  path.insert(0, "Z:");  // the source tree as Wine's programs see it
#endif
  const std::string bytes = EncodeScript(ShowcaseSteps(), 0, -1);
  if (std::getenv("VX_WRITE_EXAMPLES")) vxtest::WriteAll(path, bytes);
  EXPECT_EQ(vxtest::ReadAll(path), bytes);
}

}  // namespace
}  // namespace vx
