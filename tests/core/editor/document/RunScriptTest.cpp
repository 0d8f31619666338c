#include <gtest/gtest.h>

#include <vector>

#include "core/editor/document/RunScript.h"

namespace vx::editor {
namespace {

TEST(RunScript, PlayerAndScriptLieBesideTheEditorAndAreQuoted) {
  const PlayerStart start = PlanPlayerStart("C:\\Program Files\\Vorlix\\vorlix.exe");
  EXPECT_EQ(start.scriptPath, "C:\\Program Files\\Vorlix\\vxtemp.vxz");
  EXPECT_EQ(start.verb, "open");
  EXPECT_EQ(start.file, "\"C:\\Program Files\\Vorlix\\vexec.exe\"");
  EXPECT_EQ(start.parameters, "\"C:\\Program Files\\Vorlix\\vxtemp.vxz\"");
  EXPECT_EQ(start.directory, "");
  EXPECT_EQ(start.showCommand, 0);
  EXPECT_FALSE(start.wait);
}

TEST(RunScript, SelectedRangeRunsFromTheLowestToTheHighestSelectedStep) {
  const std::vector<std::int32_t> two = {4, 1};
  EXPECT_EQ(SelectedRange(two, 6), (StepRange{1, 4}));
  const std::vector<std::int32_t> one = {3};
  EXPECT_EQ(SelectedRange(one, 6), (StepRange{3, 3}));
}

TEST(RunScript, NothingSelectedRunsNothing) {
  EXPECT_EQ(SelectedRange({}, 6), std::nullopt);
  const std::vector<std::int32_t> stale = {0, 7, -1};
  EXPECT_EQ(SelectedRange(stale, 0), std::nullopt);
  EXPECT_EQ(SelectedRange(stale, 3), (StepRange{0, 0}));
}

}  // namespace
}  // namespace vx::editor
