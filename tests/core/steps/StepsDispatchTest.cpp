#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "StepsFakes.h"
#include "UnusedPorts.h"

namespace {

// The gaps between the kinds and every code below 197 must not reach any port: each one
// here fails the test when touched.
TEST(StepsDispatch, CodesWithoutABranchDoNothing) {
  vxtest::Journal journal;
  vxtest::LineLog log(journal);
  vx::PlayerState state;
  vxtest::UnusedPorts unused;
  vx::Ports none{unused, unused, unused, unused, unused, unused, unused, unused};
  vx::StepContext context{log, state, none};
  vx::TCommand step;
  step.p1 = "first parameter, never read";
  step.p2 = "second parameter, never read";
  for (const int code :
       {0, 1, 100, 196, 200, 203, 206, 210, 211, 220, 221, 230, 234, 240, 242, 250, 253}) {
    step.kind = static_cast<std::uint8_t>(code);
    EXPECT_NO_THROW(vx::ExecuteStep(context, step)) << code;
  }
  EXPECT_TRUE(journal.empty());
  EXPECT_EQ(state.executionSpeed, 500);
  EXPECT_TRUE(state.variables.Lines().empty());
}

}  // namespace
