#include <gtest/gtest.h>

#include "core/editor/document/MainLayout.h"

namespace vx::editor {
namespace {

TEST(MainLayout, DesignSizeAt96Dpi) {
  const MainLayout layout = LayOutMainWindow({.windowHeight = 493,
                                              .actionsWidth = 208,
                                              .listPanelWidth = 310,
                                              .listPanelHeight = 380,
                                              .dpi = 96});
  EXPECT_EQ(layout.actionsHeading, (Rect{2, 4, 207, 20}));
  EXPECT_EQ(layout.tree, (Rect{2, 24, 206, 303}));
  EXPECT_EQ(layout.searchBevel, (Rect{2, 337, 204, 2}));
  EXPECT_EQ(layout.searchLabel, (Point{8, 347}));
  EXPECT_EQ(layout.searchEdit, (Rect{48, 346, 153, 21}));
  EXPECT_EQ(layout.listHeading, (Rect{2, 4, 307, 20}));
  EXPECT_EQ(layout.header, (Rect{2, 24, 306, 20}));
  EXPECT_EQ(layout.list, (Rect{2, 44, 306, 330}));
}

TEST(MainLayout, ConstantsScaleWithHalvesRoundedUpAt144Dpi) {
  const MainLayout layout = LayOutMainWindow({.windowHeight = 740,
                                              .actionsWidth = 312,
                                              .listPanelWidth = 465,
                                              .listPanelHeight = 570,
                                              .dpi = 144});
  EXPECT_EQ(layout.actionsHeading, (Rect{3, 6, 310, 30}));
  EXPECT_EQ(layout.tree, (Rect{3, 36, 309, 455}));
  EXPECT_EQ(layout.searchBevel, (Rect{3, 506, 306, 3}));
  EXPECT_EQ(layout.searchLabel, (Point{12, 521}));
  EXPECT_EQ(layout.searchEdit, (Rect{72, 520, 229, 32}));
  EXPECT_EQ(layout.listHeading, (Rect{3, 6, 460, 30}));
  EXPECT_EQ(layout.header, (Rect{3, 36, 459, 30}));
  EXPECT_EQ(layout.list, (Rect{3, 66, 459, 495}));
}

TEST(MainLayout, ATinyWindowGivesNoNegativeSizes) {
  const MainLayout layout = LayOutMainWindow(
      {.windowHeight = 120, .actionsWidth = 0, .listPanelWidth = 2, .listPanelHeight = 10});
  for (const Rect& r : {layout.actionsHeading, layout.tree, layout.searchBevel, layout.searchEdit,
                        layout.listHeading, layout.header, layout.list}) {
    EXPECT_GE(r.width, 0);
    EXPECT_GE(r.height, 0);
  }
  EXPECT_EQ(layout.tree.height, 0);
  EXPECT_EQ(layout.searchBevel.top, 34);  // the search row stays below the tree
}

}  // namespace
}  // namespace vx::editor
