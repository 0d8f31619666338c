#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "TempFolder.h"
#include "core/Errors.h"
#include "core/FileIO.h"

#ifdef _WIN32
#include <windows.h>

#include "win32/system/SystemText.h"
#else
#include <signal.h>
#include <sys/resource.h>
#endif

namespace vx {
namespace {

using vxtest::TempFolder;

std::size_t EntriesIn(const TempFolder& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                                std::filesystem::directory_iterator()));
}

TEST(ReadFileBytes, ReadsEveryByteAndNamesAMissingFile) {
  TempFolder folder;
  const std::string bytes("a\0b\r\n\xFF", 6);
  vxtest::WriteAll(folder.File("x.bin"), bytes);
  EXPECT_EQ(ReadFileBytes(folder.File("x.bin")), bytes);
  try {
    ReadFileBytes(folder.File("missing.vxz"));
    FAIL();
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
}

// A temporary file that a killed save left beside the script is neither reused nor in the
// way: the save takes the next name and leaves that file as it was.
TEST(WriteFileReplacing, ReplacesWholeAndLeavesNoTemporaryFileOfItsOwn) {
  TempFolder folder;
  const std::string path = folder.File("script.vxz");
  WriteFileReplacing(path, "first");
  EXPECT_EQ(vxtest::ReadAll(path), "first");
  WriteFileReplacing(path, std::string("second\0", 7));
  EXPECT_EQ(vxtest::ReadAll(path), std::string("second\0", 7));
  WriteFileReplacing(path, "");
  EXPECT_EQ(vxtest::ReadAll(path), "");
  EXPECT_EQ(EntriesIn(folder), 1u);

  vxtest::WriteAll(path + ".~0.tmp", "left by a killed save");
  WriteFileReplacing(path, "third");
  EXPECT_EQ(vxtest::ReadAll(path), "third");
  EXPECT_EQ(vxtest::ReadAll(path + ".~0.tmp"), "left by a killed save");
  EXPECT_EQ(EntriesIn(folder), 2u);
}

// Windows refuses to write over a read-only file; Wine run as root and a POSIX rename do not.
// The attribute itself must stop the save: the file, its attribute and its folder stay.
TEST(WriteFileReplacing, NeverReplacesAReadOnlyFile) {
  TempFolder folder;
  const std::string path = folder.File("kept.vxz");
  vxtest::WriteAll(path, "the user's script");
  namespace fs = std::filesystem;
  const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(path, write, fs::perm_options::remove);
  try {
    WriteFileReplacing(path, "new");
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const FileCreateError& e) {
#ifdef _WIN32
    const std::string reason = win32::SystemErrorText(ERROR_ACCESS_DENIED);
#else
    const std::string reason = std::strerror(EACCES);
#endif
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + path + "\". " + reason);
  }
  EXPECT_EQ(vxtest::ReadAll(path), "the user's script");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(EntriesIn(folder), 1u);
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

TEST(WriteFileReplacing, FailureNamesTheFileAndLeavesTheFolderAlone) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / "taken.vxz");
  const std::string path = folder.File("taken.vxz");
  try {
    WriteFileReplacing(path, "data");
    FAIL() << "a folder was replaced by a file";
  } catch (const FileCreateError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot create file \"" + path + "\". "),
              std::string::npos)
        << e.what();
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "taken.vxz"));
  EXPECT_EQ(EntriesIn(folder), 1u);

  EXPECT_THROW(WriteFileReplacing(folder.File("no-such-folder/x.vxz"), "data"), FileCreateError);
}

#ifdef _WIN32
// The reason is the system's own text for the failed call (a missing folder is not a
// missing file), and like every reason it goes without its closing full stop.
TEST(WriteFileReplacing, TheReasonIsTheSystemsText) {
  TempFolder folder;
  const std::string path = folder.File("no-such-folder\\x.vxz");
  try {
    WriteFileReplacing(path, "data");
    FAIL() << "written into a missing folder";
  } catch (const FileCreateError& e) {
    const std::string reason = win32::SystemErrorText(ERROR_PATH_NOT_FOUND);
    ASSERT_FALSE(reason.empty());
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + path + "\". " + reason);
    EXPECT_NE(reason.back(), '.');
  }
}
#endif

#ifndef _WIN32
// A disk that fills up half-way through: the old script must survive whole.
TEST(WriteFileReplacing, AFailedWriteKeepsTheOldFile) {
  TempFolder folder;
  const std::string path = folder.File("keep.vxz");
  vxtest::WriteAll(path, "old script");

  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool threw = false;
  try {
    WriteFileReplacing(path, std::string(100000, 'n'));
  } catch (const FileCreateError& e) {
    threw = true;
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  EXPECT_TRUE(threw);
  EXPECT_EQ(vxtest::ReadAll(path), "old script");
  EXPECT_EQ(EntriesIn(folder), 1u);
}
#endif

TEST(PathParts, SplitFolderAndName) {
  EXPECT_EQ(FolderOf("C:\\scripts\\backup.vxz"), "C:\\scripts\\");
  EXPECT_EQ(FileNameOf("C:\\scripts\\backup.vxz"), "backup.vxz");
  EXPECT_EQ(FileNameOf("/tmp/a.vxz"), "a.vxz");
  EXPECT_EQ(FileNameOf("C:a.vxz"), "a.vxz");
  EXPECT_EQ(FolderOf("plain.vxz"), "");
  EXPECT_EQ(FileNameOf("plain.vxz"), "plain.vxz");
}

}  // namespace
}  // namespace vx
