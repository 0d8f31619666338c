// The band arithmetic of the bevel heading bar: 255 horizontal bands of a height H / 255
// each (truncated), whose colour rises from the start colour by the absolute difference to
// the reference colour over 255 per band, then a caption centred and a one-pixel frame.
#pragma once

#include <cstdint>
#include <vector>

namespace vx {

struct BandColor {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const BandColor&, const BandColor&) = default;
};

// A filled row range [top, bottom) of the bar in one colour.
struct Band {
  int top = 0;
  int bottom = 0;
  BandColor color;
  friend bool operator==(const Band&, const Band&) = default;
};

inline constexpr BandColor BevelStartColor = {241, 242, 238};
inline constexpr BandColor BevelReferenceColor = {239, 238, 227};
inline constexpr BandColor BevelFrameColor = {194, 189, 177};
inline constexpr int BevelBandCount = 255;

// The visible bands of a bar of height pixels: bands of zero height are left out, and the
// whole bar is first filled in the start colour (the first band of the list, [0, height)).
// The result paints exactly what painting all 255 bands over the fill would.
std::vector<Band> BevelBands(int height);

// Where the caption goes: (W - textWidth) / 2 and (H - textHeight) / 2, each halving
// truncated toward zero (a caption wider than the bar starts left of it).
struct CaptionOrigin {
  int x = 0;
  int y = 0;
};
CaptionOrigin BevelCaptionOrigin(int width, int height, int textWidth, int textHeight);

}  // namespace vx
