#include <gtest/gtest.h>

#include "DiskFakes.h"
#include "core/Errors.h"
#include "core/ObjectCriteria.h"

namespace vxtest {
namespace {

using vx::FindEntry;

constexpr std::uint32_t kFile = 0x20;
constexpr std::uint32_t kFolder = 0x10;

std::vector<std::string> Query(FakeShell& shell, const std::string& criteria) {
  std::vector<std::string> list{"left over from an earlier step"}, leftOut{"also"};
  vx::QueryFiles(criteria, shell, list, leftOut);
  return list;
}

TEST(DiskCriteria, NameIsThePrefixOfTheSearchPatternWildcardsIncluded) {
  Events events;
  FakeShell shell(events);
  Query(shell, Criteria("re?o*t", "C:\\data"));
  Query(shell, Criteria("", "C:\\data\\"));
  EXPECT_EQ(events, (Events{"find C:\\data\\re?o*t*", "find C:\\data\\*"}));
}

TEST(DiskCriteria, PrefixSelectsFilesAndPlainFoldersButSkipsDotEntries) {
  Events events;
  FakeShell shell(events);
  shell.folders["C:\\d\\report*"] = {{".", kFolder, 0},
                                     {"..", kFolder, 0},
                                     {"report.txt", kFile, 10},
                                     {"reports", kFolder, 0},
                                     {"report2.doc", kFile, 0}};
  EXPECT_EQ(
      Query(shell, Criteria("report", "C:\\d")),
      (std::vector<std::string>{"C:\\d\\report.txt", "C:\\d\\reports", "C:\\d\\report2.doc"}));
  EXPECT_EQ(events.size(), 1u) << "subfolders are never searched";
}

TEST(DiskCriteria, ExtensionListIsACaseSensitiveSubstringTest) {
  Events events;
  FakeShell shell(events);
  shell.folders["C:\\d\\*"] = {
      {"a.txt", kFile, 1}, {"b.doc", kFile, 1},          {"c.t", kFile, 1},
      {"d.TXT", kFile, 1}, {"readme", kFile, 1},         {"docs", kFolder, 0},
      {"e.", kFile, 1},    {"archive.tar.gz", kFile, 1}, {".profile", kFile, 1}};
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "txt,doc")),
            (std::vector<std::string>{"C:\\d\\a.txt", "C:\\d\\b.doc", "C:\\d\\c.t"}));
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "gz profile")),
            (std::vector<std::string>{"C:\\d\\archive.tar.gz", "C:\\d\\.profile"}));
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "tar")), std::vector<std::string>{"C:\\d\\c.t"});
}

TEST(DiskCriteria, FoldersWithFurtherAttributesTakeTheFileTests) {
  Events events;
  FakeShell shell(events);
  shell.folders["C:\\d\\*"] = {{"plain", kFolder, 0},
                               {"hidden.txt", kFolder | 0x02, 0},
                               {"readonly", kFolder | 0x01, 0},
                               {"archived.doc", kFolder | 0x20, 0}};
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d")),
            (std::vector<std::string>{"C:\\d\\plain", "C:\\d\\hidden.txt", "C:\\d\\readonly",
                                      "C:\\d\\archived.doc"}));
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "txt")),
            (std::vector<std::string>{"C:\\d\\hidden.txt"}));
  // A plain folder takes no size test; the others have size 0.
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "", "1")),
            (std::vector<std::string>{"C:\\d\\plain"}));
}

TEST(DiskCriteria, SizeBoundsAreInclusiveKilobytes) {
  Events events;
  FakeShell shell(events);
  shell.folders["C:\\d\\*"] = {{"empty", kFile, 0},  {"k1-", kFile, 1023},
                               {"k1", kFile, 1024},  {"k2", kFile, 2048},
                               {"k2+", kFile, 2049}, {"big", kFile, 3'000'000'000ull}};
  using L = std::vector<std::string>;
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "", "1", "2")), (L{"C:\\d\\k1", "C:\\d\\k2"}));
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "", "", "0")).size(), 6u);
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "", "$2", "")),
            (L{"C:\\d\\k2", "C:\\d\\k2+", "C:\\d\\big"}));
  // Bounds beyond 2 GB work in 64 bits: 2929687 KB < 3e9 bytes < 2929688 KB.
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "", "2929687")), (L{"C:\\d\\big"}));
  EXPECT_TRUE(Query(shell, Criteria("", "C:\\d", "", "2929688")).empty());
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "", "2929687", "2929688")), (L{"C:\\d\\big"}));
  EXPECT_EQ(Query(shell, Criteria("", "C:\\d", "", "-5", "-1")), L{});
}

TEST(DiskCriteria, ABoundThatIsNoIntegerEndsTheQuery) {
  Events events;
  FakeShell shell(events);
  try {
    Query(shell, Criteria("", "C:\\d", "", "1 "));
    FAIL();
  } catch (const vx::ConvertError& error) {
    EXPECT_STREQ(error.what(), "'1 ' is not a valid integer value");
  }
  EXPECT_THROW(Query(shell, Criteria("", "C:\\d", "", "", "4294967296")), vx::ConvertError);
  EXPECT_TRUE(events.empty());
}

// The search would look elsewhere than in the location: into a subfolder for a name with a
// path delimiter, into a folder named by the text before a zero byte (the system reads the
// pattern only that far). The entries it found there would be named as if they lay in the
// location, and a Delete Object step would remove another entry of the same name, or the
// location's own folder.
TEST(DiskCriteria, ANameOrLocationThatLeadsTheSearchElsewhereSelectsNothing) {
  Events events;
  FakeShell shell(events);
  shell.folders["C:\\d\\sub\\report*"] = {{"report.txt", kFile, 1}};
  shell.folders["C:\\d\\sub/report*"] = {{"report.txt", kFile, 1}};
  shell.folders["C:\\d\\..\\*"] = {{"d", kFolder, 0}};
  EXPECT_TRUE(Query(shell, Criteria("sub\\report", "C:\\d")).empty());
  EXPECT_TRUE(Query(shell, Criteria("sub/report", "C:\\d")).empty());
  EXPECT_TRUE(Query(shell, Criteria("..\\", "C:\\d")).empty());
  EXPECT_TRUE(Query(shell, Criteria("", std::string("C:\\d\0e", 6))).empty());
  EXPECT_TRUE(Query(shell, Criteria(std::string("re\0x", 4), "C:\\d")).empty());
  EXPECT_TRUE(events.empty());
  // Wildcards and dots inside a name still search the location.
  shell.folders["C:\\d\\a.?*"] = {{"a.b", kFile, 1}};
  EXPECT_EQ(Query(shell, Criteria("a.?", "C:\\d")), std::vector<std::string>{"C:\\d\\a.b"});
}

TEST(DiskCriteria, NoLocationSelectsNothingWithoutSearching) {
  Events events;
  FakeShell shell(events);
  shell.folders["\\*"] = {{"Windows", kFolder, 0}};
  EXPECT_TRUE(Query(shell, Criteria("", "")).empty());
  EXPECT_TRUE(Query(shell, "").empty());
  EXPECT_TRUE(Query(shell, "name only").empty());
  EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace vxtest
