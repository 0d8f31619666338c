// Where a modal form goes when it opens over its owner.
#pragma once

namespace vx {

// A window's rectangle in screen pixels.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// A form of width x height centred on owner (each half truncated toward zero), then moved,
// size kept, into workArea (that of the owner's monitor) so that the user sees all of it.
// A form wider or higher than the work area keeps its left or top edge on the work area's,
// so its title bar stays on the screen.
ScreenRect PlaceOverOwner(const ScreenRect& owner, int width, int height,
                          const ScreenRect& workArea);

}  // namespace vx
