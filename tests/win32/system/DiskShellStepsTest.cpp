#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DiskWinHelpers.h"
#include "core/Errors.h"
#include "core/StepKinds.h"
#include "win32/Handles.h"

namespace vxtest {
namespace {

using Lines = std::vector<std::string>;

std::string All(const TempFolder& folder, const std::string& name = "",
                const std::string& extensions = "") {
  const char sep = '\x01';
  return name + sep + folder.Path().string() + sep + extensions + sep + sep;
}

class DiskShellSteps : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(source.Path() / "sub");
    WriteAll(source.File("a.txt"), "alpha");
    WriteAll(source.File("b.txt"), "beta");
    WriteAll(source.File("sub\\deep.txt"), "deep");
  }
  TempFolder source;
  TempFolder target;
  RealShellRun run;
};

TEST_F(DiskShellSteps, CopyPutsEverySelectedFileIntoTheDestination) {
  const Lines lines = run.Run(vx::ckCopyObject, All(source, "", "txt"), target.Path().string());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Query Result:");
  EXPECT_EQ(lines[3], "Copy Succeeded.");
  EXPECT_EQ(ReadAll(target.File("a.txt")), "alpha");
  EXPECT_EQ(ReadAll(target.File("b.txt")), "beta");
  EXPECT_TRUE(Exists(source.File("a.txt")));
  EXPECT_FALSE(Exists(target.File("deep.txt")));
  EXPECT_TRUE(run.state.queryList.empty());
}

TEST_F(DiskShellSteps, MoveTakesFilesAndPlainFoldersAway) {
  const Lines lines = run.Run(vx::ckMoveObject, All(source), target.Path().string() + "\\");
  EXPECT_EQ(lines, (Lines{"Query Result:", source.File("a.txt"), source.File("b.txt"),
                          source.File("sub"), "Move Succeeded."}));
  EXPECT_EQ(ReadAll(target.File("b.txt")), "beta");
  EXPECT_EQ(ReadAll(target.File("sub\\deep.txt")), "deep");
  EXPECT_FALSE(Exists(source.File("a.txt")));
  EXPECT_FALSE(Exists(source.File("sub")));
}

TEST_F(DiskShellSteps, RenameKeepsTheFileInItsLocation) {
  const Lines lines = run.Run(vx::ckRenameObject, All(source, "a"), "C:\\elsewhere\\new.txt");
  EXPECT_EQ(lines, (Lines{"Query Result:", source.File("a.txt"), "Rename Succeeded."}));
  EXPECT_EQ(ReadAll(source.File("new.txt")), "alpha");
  EXPECT_FALSE(Exists(source.File("a.txt")));
}

TEST_F(DiskShellSteps, RenameOfSeveralSourcesLetsTheShellDecide) {
  const Lines lines = run.Run(vx::ckRenameObject, All(source, "", "txt"), "one.txt");
  // Both sources to one target name: the shell refuses and nothing changes.
  EXPECT_EQ(lines,
            (Lines{"Query Result:", source.File("a.txt"), source.File("b.txt"), "Rename Failed."}));
  EXPECT_EQ(ReadAll(source.File("a.txt")), "alpha");
  EXPECT_EQ(ReadAll(source.File("b.txt")), "beta");
  EXPECT_FALSE(Exists(source.File("one.txt")));
}

TEST_F(DiskShellSteps, DeleteToTheRecycleBinAndPermanently) {
  EXPECT_EQ(run.Run(vx::ckDeleteObject, All(source, "a"), "r"),
            (Lines{"Query Result:", source.File("a.txt"), "Deletion Succeeded."}));
  EXPECT_FALSE(Exists(source.File("a.txt")));
  EXPECT_EQ(
      run.Run(vx::ckDeleteObject, All(source), "p"),
      (Lines{"Query Result:", source.File("b.txt"), source.File("sub"), "Deletion Succeeded."}));
  EXPECT_FALSE(Exists(source.File("b.txt")));
  EXPECT_FALSE(Exists(source.File("sub")));
}

// "Łodz.txt" has no name in the ANSI code page; the ANSI search would report it as
// "Lodz.txt", the file beside it, which the step would then delete in its place. It is left
// out, and the log says so.
TEST_F(DiskShellSteps, AnEntryTheCodePageCannotNameSelectsNoLookAlike) {
  WriteAll(target.File("Lodz.txt"), "small");
  std::ofstream(target.Path() / L"\u0141odz.txt", std::ios::binary) << std::string(4096, 'x');
  // Only the 4 KB file is as large as 1 KB.
  const std::string criteria =
      std::string("\x01") + target.Path().string() + "\x01txt\x01" + "1\x01";
  EXPECT_EQ(run.Run(vx::ckDeleteObject, criteria, "p"),
            (Lines{"Query Result:",
                   "Left out, its name has characters outside the system's ANSI code page: " +
                       target.File("?odz.txt"),
                   "Deletion Failed."}));
  EXPECT_EQ(ReadAll(target.File("Lodz.txt")), "small");
  EXPECT_TRUE(std::filesystem::exists(target.Path() / L"\u0141odz.txt"));
}

TEST_F(DiskShellSteps, NothingSelectedStillCallsTheShell) {
  const Lines lines = run.Run(vx::ckDeleteObject, All(source, "zzz"), "p");
  // The shell refuses an empty source list.
  EXPECT_EQ(lines, (Lines{"Query Result:", "Deletion Failed."}));
  EXPECT_TRUE(Exists(source.File("a.txt")));
}

TEST_F(DiskShellSteps, WriteNewOverwriteAndAppendAddNoLineBreak) {
  run.Run(vx::ckSetVariable, "v", "one\r\ntwo");
  const std::string file = target.File("out.txt");
  EXPECT_EQ(run.Run(vx::ckWriteToFile, file, "v", "a"),
            (Lines{"File not found, Creating a new one...", "Writing to file", "Closing file..."}));
  EXPECT_EQ(ReadAll(file), "one\r\ntwo");
  EXPECT_EQ(run.Run(vx::ckWriteToFile, file, "v", "a"),
            (Lines{"Writing to file", "Closing file..."}));
  EXPECT_EQ(ReadAll(file), "one\r\ntwoone\r\ntwo");
  run.Run(vx::ckWriteToFile, file, "missing", "o");
  EXPECT_EQ(ReadAll(file), "%missing%");
}

TEST_F(DiskShellSteps, WriteIntoAMissingFolderEndsTheRun) {
  run.Run(vx::ckSetVariable, "v", "x");
  try {
    run.Run(vx::ckWriteToFile, target.File("no\\such.txt"), "v", "o");
    FAIL();
  } catch (const vx::InOutError& error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }
  EXPECT_EQ(run.log.lines, (Lines{"File not found, Creating a new one..."}));
}

TEST_F(DiskShellSteps, ReadTakesEveryLineEnding) {
  run.Run(vx::ckSetVariable, "v", "old");
  const std::string file = target.File("in.txt");
  WriteAll(file, std::string("lf\ncrlf\r\ncr\rlast\0hidden\n", 25));
  EXPECT_EQ(run.Run(vx::ckReadFromFile, file, "v"),
            (Lines{"File found, Reading from file...", "Reading file content to v",
                   "\"v\" changed successfully to lf\r\ncrlf\r\ncr\r\nlast\r\n"}));
  EXPECT_EQ(run.Run(vx::ckReadFromFile, target.File("none.txt"), "v"),
            (Lines{"File not found, Action Failed."}));
  EXPECT_EQ(run.Run(vx::ckReadFromFile, target.Path().string(), "v"),
            (Lines{"File not found, Action Failed."}));
}

TEST_F(DiskShellSteps, ReadOfAFileHeldOpenEndsTheRun) {
  const std::string file = target.File("locked.txt");
  WriteAll(file, "x");
  const vx::win32::UniqueFile held(::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held);
  try {
    run.Run(vx::ckReadFromFile, file, "v");
    FAIL();
  } catch (const vx::FileOpenError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + file + "\". ", 0), 0u)
        << error.what();
  }
}

}  // namespace
}  // namespace vxtest
