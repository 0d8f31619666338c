#include <gtest/gtest.h>

#include <filesystem>

#include "core/editor/document/DocumentFiles.h"

namespace vx::editor {
namespace {

// The file lies deeper than 260 characters, where Windows' ANSI calls and the C runtime's
// stat give up: it must be written, found and read like any other, never taken for missing.
TEST(DocumentFiles, OnlyAnExistingFileCountsAndWritesReadBackAtAnyDepth) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("vx_docfiles_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  const std::filesystem::path deep = folder / std::string(120, 'd') / std::string(120, 'e');
  std::filesystem::create_directories(deep / "x.vxz");
  const std::string file = (deep / "a.vxz").string();
  ASSERT_GT(file.size(), 260u);
  const std::string script("\xDF\x07\x01\x00\x00", 5);
  DiskFiles disk;
  EXPECT_FALSE(disk.FileExists(file));
  EXPECT_FALSE(disk.FileExists((deep / "x.vxz").string()));  // a folder is no file
  EXPECT_FALSE(disk.FileExists(""));
  disk.WriteAll(file, "old");
  disk.WriteAll(file, script);
  EXPECT_TRUE(disk.FileExists(file));
  EXPECT_EQ(disk.ReadAll(file), script);
  // Deepest first: removing a whole tree does not reach that deep under Wine.
  for (const auto& made : {deep / "a.vxz", deep / "x.vxz", deep, deep.parent_path(), folder})
    std::filesystem::remove(made);
}

}  // namespace
}  // namespace vx::editor
