#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/editor/document/WindowGeometry.h"

namespace vx::editor {
namespace {

TEST(WindowGeometry, FirstStartGetsTheDesignWindow) {
  EXPECT_EQ(GeometryFromStore({}), (MainGeometry{{0, 0, 523, 493}, 200, 50, 208}));
  EXPECT_EQ(GeometryFromStore({}, 144), (MainGeometry{{0, 0, 785, 740}, 300, 75, 312}));
}

TEST(WindowGeometry, EachBadValueFallsBackOnItsOwn) {
  StoredGeometry stored;
  stored.left = -8;
  stored.top = 40;
  stored.height = 600;
  stored.headerWidths = std::string("\x2C\x01\x32", 3);  // one byte short
  stored.leftPanelWidth = 150;
  EXPECT_EQ(GeometryFromStore(stored), (MainGeometry{{-8, 40, 523, 600}, 200, 50, 150}));

  stored.headerWidths = std::string("\x2C\x01\x32\x00\x00", 5);  // one byte too many
  EXPECT_EQ(GeometryFromStore(stored).actionColumnWidth, 200);
  stored.headerWidths = std::string("\x2C\x01\x32\x00", 4);
  EXPECT_EQ(GeometryFromStore(stored).actionColumnWidth, 300);
  EXPECT_EQ(GeometryFromStore(stored).numberColumnWidth, 50);
}

TEST(WindowGeometry, NegativeSizesBecomeZero) {
  StoredGeometry stored;
  stored.width = -1;
  stored.height = INT_MIN;
  stored.leftPanelWidth = -5;
  const MainGeometry geometry = GeometryFromStore(stored);
  EXPECT_EQ(geometry.bounds.width, 0);
  EXPECT_EQ(geometry.bounds.height, 0);
  EXPECT_EQ(geometry.leftPanelWidth, 0);
}

TEST(WindowGeometry, StoredValuesRoundTrip) {
  const MainGeometry geometry{{-1200, 35, 800, 600}, 65535, 0, 240};
  const GeometryValues values = GeometryToStore(geometry);
  EXPECT_EQ(values.headerWidths, std::string("\xFF\xFF\x00\x00", 4));
  StoredGeometry stored{values.left,   values.top,          values.width,
                        values.height, values.headerWidths, values.leftPanelWidth};
  EXPECT_EQ(GeometryFromStore(stored), geometry);

  EXPECT_EQ(EncodeHeaderWidths(70000, -3), std::string("\xFF\xFF\x00\x00", 4));
  EXPECT_EQ(GeometryToStore({{0, 0, -4, -4}, 1, 2, -9}).width, 0);
  EXPECT_EQ(GeometryToStore({{0, 0, -4, -4}, 1, 2, -9}).leftPanelWidth, 0);
}

TEST(WindowGeometry, AWindowOffEveryMonitorMovesOntoTheNearest) {
  const std::vector<Rect> monitors = {{0, 0, 1920, 1040}, {1920, 0, 1280, 984}};
  // Partly visible: left alone.
  EXPECT_EQ(KeepOnAMonitor({-500, 100, 523, 493}, monitors), (Rect{-500, 100, 523, 493}));
  // Beyond the right monitor: moved back onto it, size kept.
  EXPECT_EQ(KeepOnAMonitor({4000, 200, 523, 493}, monitors), (Rect{2677, 200, 523, 493}));
  // Above the left monitor.
  EXPECT_EQ(KeepOnAMonitor({100, -2000, 523, 493}, monitors), (Rect{100, 0, 523, 493}));
  // Larger than the nearest monitor: its top-left corner.
  EXPECT_EQ(KeepOnAMonitor({5000, 5000, 3000, 2000}, monitors), (Rect{1920, 0, 3000, 2000}));
  // Extreme stored values neither overflow nor stay off screen.
  EXPECT_EQ(KeepOnAMonitor({INT_MAX, INT_MIN, INT_MAX, 10}, monitors),
            (Rect{1920, 0, INT_MAX, 10}));
  // No monitor known: nothing to move onto.
  EXPECT_EQ(KeepOnAMonitor({9000, 9000, 10, 10}, {}), (Rect{9000, 9000, 10, 10}));
}

}  // namespace
}  // namespace vx::editor
