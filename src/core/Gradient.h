// The band geometry of the gradient fill: which shapes, in which colours, fill a W x H area
// going from colour 1 towards colour 2 in a number of bands.
#pragma once

#include <cstdint>
#include <vector>

namespace vx {

enum class TFillStyle : std::uint8_t { fsHorizontal, fsVertical, fsSquare, fsEllipse };

struct GradientSettings {
  std::uint8_t red1 = 1, green1 = 101, blue1 = 253;  // colour 1
  std::uint8_t red2 = 3, green2 = 50, blue2 = 253;   // colour 2
  TFillStyle style = TFillStyle::fsHorizontal;
  std::int32_t steps = 255;
};

struct GradientShape {
  bool ellipse = false;
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  std::uint32_t color = 0;  // r + 256 g + 65536 b, each channel cut to its low 8 bits
};

// The background (colour 1 over the whole area) followed by one shape per band, in drawing
// order. Every channel moves upward from colour 1 by the size of its difference, also
// where colour 2 is the smaller, and a channel that passes 255 wraps to its low 8 bits.
// Fewer than one band draws the background alone.
std::vector<GradientShape> GradientShapes(const GradientSettings& settings, std::int32_t width,
                                          std::int32_t height);

// The rule of the band-count setter: a new value is taken only while the current one is
// greater than 1, so a gradient whose count has fallen to 1 or less keeps it.
bool GradientAcceptsSteps(std::int32_t current, std::int32_t value);

}  // namespace vx
