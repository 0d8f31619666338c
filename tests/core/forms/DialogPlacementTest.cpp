#include <gtest/gtest.h>

#include <climits>

#include "core/forms/DialogPlacement.h"

namespace vx {
namespace {

// A 1280 x 1024 screen whose work area ends above a taskbar 40 pixels high.
constexpr ScreenRect WorkArea = {0, 0, 1280, 984};

TEST(DialogPlacement, ADialogIsCentredOnItsOwnerWhereItFits) {
  EXPECT_EQ(PlaceOverOwner({300, 200, 523, 493}, 454, 327, WorkArea),
            (ScreenRect{334, 283, 454, 327}));
  // Halves truncate toward zero, also when the dialog is the larger one.
  EXPECT_EQ(PlaceOverOwner({300, 200, 300, 200}, 401, 301, WorkArea),
            (ScreenRect{250, 150, 401, 301}));
}

TEST(DialogPlacement, ADialogOverAnOwnerAtAnEdgeIsMovedIntoTheWorkArea) {
  // A small owner in the top left corner: the title bar would lie above the screen.
  EXPECT_EQ(PlaceOverOwner({0, 0, 200, 120}, 681, 490, WorkArea), (ScreenRect{0, 0, 681, 490}));
  // Partly off the bottom right: the dialog's far edges meet the work area's.
  EXPECT_EQ(PlaceOverOwner({1200, 950, 200, 120}, 681, 490, WorkArea),
            (ScreenRect{599, 494, 681, 490}));
  // A work area that does not start at 0 (a taskbar at the top, a monitor left of the
  // primary one).
  EXPECT_EQ(PlaceOverOwner({-1900, 10, 300, 200}, 681, 490, {-1920, 40, 1920, 1040}),
            (ScreenRect{-1920, 40, 681, 490}));
}

TEST(DialogPlacement, ADialogLargerThanTheWorkAreaKeepsItsTitleBarOnIt) {
  EXPECT_EQ(PlaceOverOwner({400, 300, 300, 200}, 1500, 1100, WorkArea),
            (ScreenRect{0, 0, 1500, 1100}));
  // One side fits, the other does not.
  EXPECT_EQ(PlaceOverOwner({300, 300, 300, 200}, 600, 1100, WorkArea),
            (ScreenRect{150, 0, 600, 1100}));
  // Far-off numbers neither overflow nor leave the work area.
  EXPECT_EQ(PlaceOverOwner({INT_MAX, INT_MIN, INT_MAX, 10}, 100, 100, WorkArea),
            (ScreenRect{1180, 0, 100, 100}));
}

}  // namespace
}  // namespace vx
