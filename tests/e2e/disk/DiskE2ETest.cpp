// The player performing disk steps on real files, windowless, with its run log on.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "core/StepKinds.h"
#include "e2e/PlayerHarness.h"

namespace vxtest {
namespace {

using namespace vx;

class DiskE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    SetPlayerSettings(
        {.show = false, .extended = false, .log = true, .logPath = logs_.Path().string()});
  }
  void TearDown() override { ClearVorlixSettings(); }

  // Runs the steps and returns the run log's page.
  std::string Play(const std::vector<TCommand>& steps) {
    const std::string script = logs_.File("disk.vxz");
    WriteScript(script, steps);
    const RunResult run = RunVexec({script});
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    return ReadFileText(LogFileFor(logs_.Path().string(), script)).value_or("");
  }
  std::string Criteria(const std::string& name, const TempFolder& folder) {
    return name + FieldSeparator + folder.Path().string() + FieldSeparator + FieldSeparator +
           FieldSeparator;
  }

  TempFolder logs_;
  TempFolder work_;
  TempFolder out_;
};

TEST_F(DiskE2E, WriteThenCopyThenDeleteTheOriginal) {
  const std::string page = Play({Step(ckSetVariable, "v", "hello"),
                                 Step(ckWriteToFile, work_.File("note.txt"), "v", "o"),
                                 Step(ckCopyObject, Criteria("note", work_), out_.Path().string()),
                                 Step(ckDeleteObject, Criteria("note", work_), "p")});
  EXPECT_EQ(ReadAll(out_.File("note.txt")), "hello");
  EXPECT_FALSE(std::filesystem::exists(work_.File("note.txt")));
  for (const char* line : {"File not found, Creating a new one...", "Copy Succeeded.",
                           "Deletion Succeeded.", "Query Result:"})
    EXPECT_NE(page.find(line), std::string::npos) << line;
}

TEST_F(DiskE2E, ReadALineFileIntoAVariableAndWriteItBack) {
  WriteAll(work_.File("in.txt"), "a\nb");
  const std::string page =
      Play({Step(ckSetVariable, "v", "x"), Step(ckReadFromFile, work_.File("in.txt"), "v"),
            Step(ckWriteToFile, out_.File("copy.txt"), "v", "a"),
            Step(ckReadFromFile, work_.File("none.txt"), "v")});
  EXPECT_EQ(ReadAll(out_.File("copy.txt")), "a\r\nb\r\n");
  EXPECT_NE(page.find("File found, Reading from file..."), std::string::npos);
  EXPECT_NE(page.find("File not found, Action Failed."), std::string::npos);
}

}  // namespace
}  // namespace vxtest
