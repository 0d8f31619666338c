#include "core/forms/DialogPlacement.h"

#include <algorithm>
#include <cstdint>

namespace vx {

namespace {

// The start of a span of length size centred on [ownerStart, ownerStart + ownerSize), then
// placed inside [areaStart, areaStart + areaSize), or at areaStart when it does not fit.
int PlaceSpan(int ownerStart, int ownerSize, int size, int areaStart, int areaSize) {
  const std::int64_t centred =
      std::int64_t{ownerStart} + (std::int64_t{ownerSize} - std::int64_t{size}) / 2;
  const std::int64_t low = areaStart;
  const std::int64_t high = low + areaSize - size;
  if (high <= low) return areaStart;
  return static_cast<int>(std::clamp(centred, low, high));
}

}  // namespace

ScreenRect PlaceOverOwner(const ScreenRect& owner, int width, int height,
                          const ScreenRect& workArea) {
  return {PlaceSpan(owner.left, owner.width, width, workArea.left, workArea.width),
          PlaceSpan(owner.top, owner.height, height, workArea.top, workArea.height), width, height};
}

}  // namespace vx
