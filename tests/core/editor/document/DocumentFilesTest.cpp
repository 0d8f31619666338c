#include <gtest/gtest.h>

#include <filesystem>

#include "core/editor/document/DocumentFiles.h"

namespace vx::editor {
namespace {

TEST(DocumentFiles, OnlyAnExistingFileCountsAndWritesReadBack) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("vx_docfiles_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(folder / "x.vxz");
  const std::string file = (folder / "a.vxz").string();
  DiskFiles disk;
  EXPECT_FALSE(disk.FileExists(file));
  EXPECT_FALSE(disk.FileExists((folder / "x.vxz").string()));  // a folder is no file
  EXPECT_FALSE(disk.FileExists(""));
  disk.WriteAll(file, std::string("\xDF\x07\x01\x00\x00", 5));
  EXPECT_TRUE(disk.FileExists(file));
  EXPECT_EQ(disk.ReadAll(file), std::string("\xDF\x07\x01\x00\x00", 5));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vx::editor
