#include <gtest/gtest.h>

#include "core/editor/document/DocumentNames.h"

namespace vx::editor {
namespace {

TEST(SaveAsName, StripsTheExtensionFromTheFileNamePartOnly) {
  EXPECT_EQ(SaveAsBase("C:\\docs\\report"), "C:\\docs\\report");
  EXPECT_EQ(SaveAsBase("C:\\docs\\report.vxz"), "C:\\docs\\report");
  EXPECT_EQ(SaveAsBase("C:\\docs\\report.VXZ"), "C:\\docs\\report.VXZ");
  EXPECT_EQ(SaveAsBase("C:\\docs\\a.vxz.bak"), "C:\\docs\\a.bak");
  EXPECT_EQ(SaveAsBase("C:\\docs\\a.vxz.vxz"), "C:\\docs\\a");
  EXPECT_EQ(SaveAsBase("C:\\x.vxz\\y.vxz\\report.vxz"), "C:\\x.vxz\\y.vxz\\report");
  EXPECT_EQ(SaveAsBase("D:x.vxz"), "D:x");
  EXPECT_EQ(SaveAsBase("report"), "report");
}

TEST(DocumentName, IsTheTextAfterTheLastBackslashOrColon) {
  EXPECT_EQ(DocumentNameFor(""), "Untitled");
  EXPECT_EQ(DocumentNameFor("C:\\docs\\b.vxz"), "b.vxz");
  EXPECT_EQ(DocumentNameFor("C:b.vxz"), "b.vxz");
  EXPECT_EQ(DocumentNameFor("b.vxz"), "b.vxz");
  EXPECT_EQ(DocumentNameFor("C:\\docs/sub/b.vxz"), "docs/sub/b.vxz");
  EXPECT_EQ(MainCaption("b.vxz"), "b.vxz - Vorlix");
}

}  // namespace
}  // namespace vx::editor
