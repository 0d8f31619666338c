#include <gtest/gtest.h>

#include <set>

#include "Fakes.h"
#include "core/editor/document/RecentFiles.h"

namespace vx::editor {
namespace {

using testing::MapStore;
using testing::MenuView;
using Names = std::vector<std::string>;

class RecentFilesTest : public ::testing::Test {
 protected:
  RecentFiles Make(RecentFilesOptions options = {}) {
    RecentFiles recent(
        store, [this](const std::string& path) { return existing.count(path) > 0; }, view, options);
    recent.SetParentMenu(0);
    return recent;
  }
  void Fill(const Names& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      store.values[RecentValueName(i + 1)] = names[i];
      if (!names[i].empty()) existing.insert(names[i]);
    }
  }

  MapStore store;
  MenuView view;
  std::set<std::string> existing;
};

TEST_F(RecentFilesTest, AddingToAFullListKeepsOneExtraNameOutOfView) {
  Fill({"C:\\a.vxz", "C:\\b.vxz", "C:\\c.vxz", "C:\\d.vxz", "C:\\e.vxz"});
  existing.insert("C:\\f.vxz");
  RecentFiles recent = Make();
  recent.Add("C:\\f.vxz");
  EXPECT_EQ(store.Recent(7), (Names{"C:\\f.vxz", "C:\\a.vxz", "C:\\b.vxz", "C:\\c.vxz", "C:\\d.vxz",
                                    "C:\\e.vxz", ""}));
  EXPECT_EQ(view.Captions(), (Names{"&1 f.vxz", "&2 a.vxz", "&3 b.vxz", "&4 c.vxz", "&5 d.vxz"}));

  // The seventh name falls off: value 7 is never written.
  existing.insert("C:\\g.vxz");
  recent.Add("C:\\g.vxz");
  EXPECT_EQ(store.Recent(7), (Names{"C:\\g.vxz", "C:\\f.vxz", "C:\\a.vxz", "C:\\b.vxz", "C:\\c.vxz",
                                    "C:\\d.vxz", ""}));
}

TEST_F(RecentFilesTest, AddingAKnownFileMovesItFirstWithTheNewSpelling) {
  Fill({"C:\\a.vxz", "C:\\b.vxz", "C:\\Work\\Third.vxz", "C:\\d.vxz"});
  existing.insert("c:\\WORK\\third.vxz");
  RecentFiles recent = Make();
  recent.Add("c:\\WORK\\third.vxz");
  EXPECT_EQ(store.Recent(5),
            (Names{"c:\\WORK\\third.vxz", "C:\\a.vxz", "C:\\b.vxz", "C:\\d.vxz", ""}));
  EXPECT_EQ(view.Captions(), (Names{"&1 third.vxz", "&2 a.vxz", "&3 b.vxz", "&4 d.vxz"}));
}

TEST_F(RecentFilesTest, OnlyLettersAToZAreComparedWithoutCase) {
  // "\xC4" and "\xE4" are one letter in two cases in the ANSI code page, but the store
  // compares only A-Z without case: both names stay.
  Fill({"C:\\\xC4.vxz"});
  existing.insert("C:\\\xE4.vxz");
  RecentFiles recent = Make();
  recent.Add("C:\\\xE4.vxz");
  EXPECT_EQ(store.Recent(2), (Names{"C:\\\xE4.vxz", "C:\\\xC4.vxz"}));
  EXPECT_EQ(FoldAsciiLower("AbZ@[`{\xC4"), "abz@[`{\xC4");
}

TEST_F(RecentFilesTest, AddReadsTheShownValuesOnlyAndClosesThemUpWithoutLeavingATwin) {
  Fill({"C:\\a.vxz", "", "C:\\b.vxz", "", "", "C:\\f.vxz"});
  RecentFiles recent = Make();
  recent.Add("C:\\b.vxz");
  // Value 6, out of view, is left as it was.
  EXPECT_EQ(store.Recent(7), (Names{"C:\\b.vxz", "C:\\a.vxz", "", "", "", "C:\\f.vxz", ""}));
  EXPECT_EQ(view.Captions(), (Names{"&1 b.vxz", "&2 a.vxz"}));
}

TEST_F(RecentFilesTest, RebuildDropsVanishedFilesFromTheStoreAndNumbersWithoutGaps) {
  Fill({"C:\\a.vxz", "C:\\b.vxz", "C:\\c.vxz", "C:\\d.vxz", "C:\\e.vxz", "C:\\f.vxz"});
  existing.erase("C:\\b.vxz");
  existing.erase("C:\\c.vxz");
  RecentFiles recent = Make();
  recent.Rebuild();
  EXPECT_EQ(store.Recent(6), (Names{"C:\\a.vxz", "C:\\d.vxz", "C:\\e.vxz", "C:\\f.vxz", "", ""}));
  EXPECT_EQ(view.Captions(), (Names{"&1 a.vxz", "&2 d.vxz", "&3 e.vxz", "&4 f.vxz"}));
}

TEST_F(RecentFilesTest, VanishedFilesStayWhenTheyNeedNotExist) {
  Fill({"C:\\a.vxz", "C:\\b.vxz"});
  existing.clear();
  RecentFiles recent = Make({.maxItems = 5, .showFullPath = true, .fileMustExist = false});
  recent.Rebuild();
  EXPECT_EQ(view.Captions(), (Names{"&1 C:\\a.vxz", "&2 C:\\b.vxz"}));
}

TEST_F(RecentFilesTest, CaptionsShowTheNameWithEveryAmpersandLiteral) {
  Fill({"D:\\R&D\\Q&A && more.vxz", "Plain.vxz"});
  RecentFiles recent = Make();
  recent.Rebuild();
  EXPECT_EQ(view.Captions(), (Names{"&1 Q&&A &&&& more.vxz", "&2 Plain.vxz"}));
  EXPECT_EQ(view.entries[0].path, "D:\\R&D\\Q&A && more.vxz");

  RecentFiles full = Make({.maxItems = 5, .showFullPath = true});
  full.Rebuild();
  EXPECT_EQ(view.Captions()[0], "&1 D:\\R&&D\\Q&&A &&&& more.vxz");
}

TEST_F(RecentFilesTest, EachEntryOpensItsOwnFileAcrossAnEmptyValue) {
  Fill({"C:\\a.vxz", "", "C:\\c.vxz"});
  RecentFiles recent = Make();
  recent.Rebuild();
  ASSERT_EQ(view.Captions(), (Names{"&1 a.vxz", "&3 c.vxz"}));
  EXPECT_EQ(recent.FileToOpen(0), "C:\\a.vxz");
  EXPECT_EQ(recent.FileToOpen(1), "C:\\c.vxz");
  EXPECT_EQ(recent.FileToOpen(2), std::nullopt);
  EXPECT_TRUE(view.errorBoxes.empty());
}

TEST_F(RecentFilesTest, ClickingAFileThatVanishedSinceTheMenuWasBuiltOpensNothing) {
  Fill({"C:\\a.vxz", "C:\\b.vxz"});
  RecentFiles recent = Make();
  recent.Rebuild();
  existing.erase("C:\\a.vxz");
  EXPECT_EQ(recent.FileToOpen(0), std::nullopt);
  EXPECT_EQ(view.errorBoxes, (Names{"File not found. Check the file path."}));
  EXPECT_EQ(view.entries.size(), 2u);  // the entry stays until the next rebuild
}

// A name another program stored that the ANSI code page cannot hold ("Łodz.vxz" beside
// "Lodz.vxz"): shown with "?", kept as stored (whether its file exists cannot be asked),
// moved down whole when a file is added, and refused when clicked: its look-alike would
// be another file.
TEST_F(RecentFilesTest, ANameTheCodePageCannotHoldIsShownKeptAndNeverOpened) {
  const std::string whole = "C:\\\xC5\x81odz.vxz";  // the store's own form of it
  store.lacking[whole] = "C:\\?odz.vxz";
  Fill({whole, "C:\\Lodz.vxz"});
  existing = {"C:\\Lodz.vxz", "C:\\b.vxz"};
  RecentFiles recent = Make();
  recent.Rebuild();
  EXPECT_EQ(view.Captions(), (Names{"&1 ?odz.vxz", "&2 Lodz.vxz"}));
  try {
    recent.FileToOpen(0);
    ADD_FAILURE() << "opened";
  } catch (const FileOpenError& e) {
    EXPECT_STREQ(e.what(),
                 "Cannot open file \"C:\\?odz.vxz\". Its name has characters outside the "
                 "system's ANSI code page (shown as \"?\"), which this program cannot use.");
  }
  recent.Add("C:\\b.vxz");
  EXPECT_EQ(store.Recent(4), (Names{"C:\\b.vxz", whole, "C:\\Lodz.vxz", ""}));
  EXPECT_EQ(recent.FileToOpen(2), "C:\\Lodz.vxz");
}

TEST_F(RecentFilesTest, ParentMenuAndPositionRules) {
  Fill({"C:\\a.vxz"});
  RecentFiles recent(
      store, [](const std::string&) { return true; }, view);
  recent.Rebuild();
  EXPECT_EQ(view.errorBoxes, (Names{"ParentMenu not assigned"}));
  EXPECT_TRUE(view.entries.empty());

  recent.SetParentMenu(3);
  recent.SetPosition(4);
  EXPECT_EQ(view.errorBoxes.back(), "Position out of range");
  EXPECT_EQ(recent.Position(), 0u);
  recent.SetPosition(3);
  EXPECT_EQ(recent.Position(), 3u);
  recent.Rebuild();
  EXPECT_EQ(view.position, 3u);
  EXPECT_EQ(view.entries.size(), 1u);

  recent.SetParentMenu(1);  // a smaller menu pulls the position back, the entries leave
  EXPECT_EQ(recent.Position(), 1u);
  EXPECT_TRUE(view.entries.empty());
  recent.SetParentMenu(std::nullopt);
  recent.SetPosition(200);  // without a menu nothing limits it
  EXPECT_EQ(recent.Position(), 200u);
}

TEST_F(RecentFilesTest, StoreErrorsReachTheCallerAndLeaveTheMenu) {
  Fill({"C:\\a.vxz"});
  RecentFiles recent = Make();
  recent.Rebuild();
  store.failWrites = true;
  existing.insert("C:\\b.vxz");
  EXPECT_THROW(recent.Add("C:\\b.vxz"), RegistryError);
  store.failReads = true;
  EXPECT_THROW(recent.Rebuild(), RegistryError);
  EXPECT_EQ(view.Captions(), (Names{"&1 a.vxz"}));
}

}  // namespace
}  // namespace vx::editor
