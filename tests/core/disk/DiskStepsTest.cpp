#include <gtest/gtest.h>

#include "DiskFakes.h"
#include "core/Errors.h"
#include "core/StepKinds.h"
#include "core/steps/DiskSteps.h"

namespace vxtest {
namespace {

class DiskSteps : public ::testing::Test {
 protected:
  DiskSteps() {
    bench.shell.folders["C:\\d\\*"] = {{"..", 0x10, 0}, {"a.txt", 0x20, 5}, {"b.txt", 0x20, 7}};
  }
  Events Ops() const {
    Events ops;
    for (const std::string& event : bench.events)
      if (event.rfind("find", 0) != 0) ops.push_back(event);
    return ops;
  }
  DiskBench bench;
  const std::string all = Criteria("", "C:\\d");
};

TEST_F(DiskSteps, CopyAndMoveGiveEveryPathToOneShellCall) {
  bench.Run(vx::ckCopyObject, all, "E:\\out");
  EXPECT_EQ(bench.events,
            (Events{"find C:\\d\\*", "log Query Result:", "log C:\\d\\a.txt", "log C:\\d\\b.txt",
                    "op 2 from C:\\d\\a.txt|C:\\d\\b.txt|| to E:\\out\\|| flags 0",
                    "log Copy Succeeded."}));
  EXPECT_TRUE(bench.state.queryList.empty());

  bench.events.clear();
  bench.shell.operationResult = 2;
  bench.Run(vx::ckMoveObject, all, "E:\\out\\");
  EXPECT_EQ(Ops(), (Events{"log Query Result:", "log C:\\d\\a.txt", "log C:\\d\\b.txt",
                           "op 1 from C:\\d\\a.txt|C:\\d\\b.txt|| to E:\\out\\|| flags 0",
                           "log Move Failed."}));
}

TEST_F(DiskSteps, RenameUsesOnlyTheNewNamePartInsideTheLocation) {
  bench.shell.folders["C:\\d\\a*"] = {{"a.txt", 0x20, 5}};
  bench.Run(vx::ckRenameObject, Criteria("a", "C:\\d"), "C:\\x\\new.txt");
  bench.Run(vx::ckRenameObject, Criteria("a", "C:\\d\\"), "D:new.txt");
  bench.Run(vx::ckRenameObject, all, "plain");
  EXPECT_EQ(Ops(),
            (Events{"log Query Result:", "log C:\\d\\a.txt",
                    "op 4 from C:\\d\\a.txt|| to C:\\d\\new.txt|| flags 0", "log Rename Succeeded.",
                    "log Query Result:", "log C:\\d\\a.txt",
                    "op 4 from C:\\d\\a.txt|| to C:\\d\\new.txt|| flags 0", "log Rename Succeeded.",
                    "log Query Result:", "log C:\\d\\a.txt", "log C:\\d\\b.txt",
                    "op 4 from C:\\d\\a.txt|C:\\d\\b.txt|| to C:\\d\\plain|| flags 0",
                    "log Rename Succeeded."}));
}

TEST_F(DiskSteps, DeleteAsksNothingAndUsesTheRecycleBinOnlyForR) {
  bench.Run(vx::ckDeleteObject, all, "r");
  bench.Run(vx::ckDeleteObject, all, "p");
  bench.shell.operationResult = 1;
  bench.Run(vx::ckDeleteObject, all, "R");
  EXPECT_EQ(Ops(),
            (Events{"log Query Result:", "log C:\\d\\a.txt", "log C:\\d\\b.txt",
                    "op 3 from C:\\d\\a.txt|C:\\d\\b.txt|| to  flags 80", "log Deletion Succeeded.",
                    "log Query Result:", "log C:\\d\\a.txt", "log C:\\d\\b.txt",
                    "op 3 from C:\\d\\a.txt|C:\\d\\b.txt|| to  flags 16", "log Deletion Succeeded.",
                    "log Query Result:", "log C:\\d\\a.txt", "log C:\\d\\b.txt",
                    "op 3 from C:\\d\\a.txt|C:\\d\\b.txt|| to  flags 16", "log Deletion Failed."}));
}

TEST_F(DiskSteps, AnEmptyResultStillCallsTheShellWithAnEmptyList) {
  bench.shell.operationResult = 1026;
  bench.Run(vx::ckCopyObject, Criteria("zzz", "C:\\d"), "E:\\out");
  bench.Run(vx::ckDeleteObject, Criteria("", ""), "p");
  bench.Run(vx::ckRenameObject, Criteria("", ""), "x.txt");
  EXPECT_EQ(bench.events,
            (Events{"find C:\\d\\zzz*", "log Query Result:", "op 2 from || to E:\\out\\|| flags 0",
                    "log Copy Failed.", "log Query Result:", "op 3 from || to  flags 16",
                    "log Deletion Failed.", "log Query Result:",
                    "op 4 from || to \\x.txt|| flags 0", "log Rename Failed."}));
}

TEST_F(DiskSteps, RunObjectStartsEachPathWithQuotedParameters) {
  bench.Run(vx::ckRunObject, all, "w", "-a -b");
  bench.Run(vx::ckRunObject, all, "W", "");
  EXPECT_EQ(Ops(), (Events{"log Query Result:", "log C:\\d\\a.txt", "log C:\\d\\b.txt",
                           "run open [C:\\d\\a.txt] [\"-a -b\"] [] 1 wait",
                           "run open [C:\\d\\b.txt] [\"-a -b\"] [] 1 wait",
                           "log Query Result:", "log C:\\d\\a.txt", "log C:\\d\\b.txt",
                           "run open [C:\\d\\a.txt] [] [] 1 nowait",
                           "run open [C:\\d\\b.txt] [] [] 1 nowait"}));
  EXPECT_TRUE(bench.state.queryList.empty());
}

TEST_F(DiskSteps, WriteCreatesAMissingFileAndWritesTheVariable) {
  bench.state.variables.SetVariable("v", "one%w%", bench.log);
  bench.events.clear();
  bench.Run(vx::ckWriteToFile, "C:\\f.txt", "v", "a");
  EXPECT_EQ(bench.events, (Events{"find C:\\f.txt", "log File not found, Creating a new one...",
                                  "create C:\\f.txt", "append C:\\f.txt", "log Writing to file",
                                  "write one%w%", "flush", "log Closing file...", "close"}));
  bench.events.clear();
  bench.Run(vx::ckWriteToFile, "C:\\f.txt", "v", "a");
  bench.Run(vx::ckWriteToFile, "C:\\f.txt", "undeclared", "a");
  EXPECT_EQ(bench.shell.files["C:\\f.txt"], "one%w%one%w%%undeclared%");
  EXPECT_EQ(bench.events[1], "append C:\\f.txt");

  bench.events.clear();
  bench.Run(vx::ckWriteToFile, "C:\\f.txt", "v", "o");
  EXPECT_EQ(bench.events, (Events{"find C:\\f.txt", "create C:\\f.txt", "log Writing to file",
                                  "write one%w%", "flush", "log Closing file...", "close"}));
  EXPECT_EQ(bench.shell.files["C:\\f.txt"], "one%w%");
}

TEST_F(DiskSteps, WriteFailuresEndTheStepWithTheFileLayersMessage) {
  bench.shell.files["C:\\f.txt"] = "keep";
  try {
    bench.Run(vx::ckWriteToFile, "C:\\f.txt", "v", "x");
    FAIL();
  } catch (const vx::InOutError& error) {
    EXPECT_STREQ(error.what(), "I/O error 103");
  }
  EXPECT_EQ(bench.events, (Events{"find C:\\f.txt", "log Writing to file"}));
  EXPECT_EQ(bench.shell.files["C:\\f.txt"], "keep");

  bench.events.clear();
  bench.shell.createError = 5;
  EXPECT_THROW(bench.Run(vx::ckWriteToFile, "C:\\new.txt", "v", "o"), vx::InOutError);
  EXPECT_EQ(bench.events.back(), "create C:\\new.txt");

  bench.shell.createError = 0;
  bench.shell.writeError = 112;
  try {
    bench.Run(vx::ckWriteToFile, "C:\\f.txt", "v", "o");
    FAIL();
  } catch (const vx::InOutError& error) {
    EXPECT_STREQ(error.what(), "I/O error 112");
  }
  EXPECT_EQ(bench.events.back(), "write %v%");
}

TEST_F(DiskSteps, AFolderCountsAsAMissingFile) {
  bench.shell.folders["C:\\d"] = {{"d", 0x10, 0}};
  bench.Run(vx::ckReadFromFile, "C:\\d", "v");
  EXPECT_EQ(bench.events, (Events{"find C:\\d", "log File not found, Action Failed."}));
}

TEST_F(DiskSteps, ReadJoinsTheLinesIntoTheVariable) {
  bench.state.variables.SetVariable("Text", "old", bench.log);
  bench.shell.files["C:\\in.txt"] = "a\nb";
  bench.events.clear();
  bench.Run(vx::ckReadFromFile, "C:\\in.txt", "text");
  EXPECT_EQ(bench.events, (Events{"find C:\\in.txt", "log File found, Reading from file...",
                                  "read C:\\in.txt", "log Reading file content to text",
                                  "log \"text\" changed successfully to a\r\nb\r\n"}));
  EXPECT_EQ(bench.state.variables.SubstituteVariables("%Text%"), "a\r\nb\r\n");
  EXPECT_TRUE(bench.state.queryList.empty());

  // An empty file removes the variable; an undeclared one is only reported.
  bench.shell.files["C:\\in.txt"] = "";
  bench.Run(vx::ckReadFromFile, "C:\\in.txt", "Text");
  EXPECT_EQ(bench.events.back(), "log \"Text\" changed successfully to ");
  bench.Run(vx::ckReadFromFile, "C:\\in.txt", "Text");
  EXPECT_EQ(bench.events.back(), "log \"Text\" is not declared. Variable must be declared first.");
}

TEST_F(DiskSteps, ReadThatCannotOpenAnExistingFileEndsTheRun) {
  bench.shell.files["C:\\in.txt"] = "x";
  bench.shell.readError = 32;
  try {
    bench.Run(vx::ckReadFromFile, "C:\\in.txt", "v");
    FAIL();
  } catch (const vx::FileOpenError& error) {
    EXPECT_STREQ(error.what(), "Cannot open file \"C:\\in.txt\". system text 32");
  }
  EXPECT_EQ(bench.events.back(), "read C:\\in.txt");
}

TEST(DiskLines, LinesEndAtCrLfOrCrLfAndAZeroByteEndsTheText) {
  using L = std::vector<std::string>;
  EXPECT_EQ(vx::SplitTextLines(""), L{});
  EXPECT_EQ(vx::SplitTextLines("x\n"), L{"x"});
  EXPECT_EQ(vx::SplitTextLines("a\r\nb\rc\nd"), (L{"a", "b", "c", "d"}));
  EXPECT_EQ(vx::SplitTextLines("a\n\r"), (L{"a", ""}));
  EXPECT_EQ(vx::SplitTextLines("\r\r\n\n"), (L{"", "", ""}));
  EXPECT_EQ(vx::SplitTextLines(std::string("a\0b\nc", 5)), L{"a"});
}

}  // namespace
}  // namespace vxtest
