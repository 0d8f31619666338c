#include "core/forms/BevelBands.h"

#include <cstdlib>

namespace vx {

namespace {

struct Channels {
  double red, green, blue;
};

Channels StartValues() {
  return {static_cast<double>(BevelStartColor.red), static_cast<double>(BevelStartColor.green),
          static_cast<double>(BevelStartColor.blue)};
}

Channels Steps() {
  const auto step = [](int start, int reference) { return std::abs(reference - start) / 255.0; };
  return {step(BevelStartColor.red, BevelReferenceColor.red),
          step(BevelStartColor.green, BevelReferenceColor.green),
          step(BevelStartColor.blue, BevelReferenceColor.blue)};
}

BandColor Truncated(const Channels& value) {
  return {static_cast<std::uint8_t>(value.red), static_cast<std::uint8_t>(value.green),
          static_cast<std::uint8_t>(value.blue)};
}

void Advance(Channels& value, const Channels& step) {
  value.red += step.red;
  value.green += step.green;
  value.blue += step.blue;
}

}  // namespace

std::vector<Band> BevelBands(int height) {
  std::vector<Band> bands;
  if (height <= 0) return bands;
  Channels value = StartValues();
  const Channels step = Steps();
  bands.push_back({0, height, Truncated(value)});
  const double bandHeight = height / 255.0;
  for (int i = 0; i < BevelBandCount; ++i) {
    // The products are truncated unrounded (extended precision), so that 255 bands of a
    // height that is not exact in binary may end a row short of the bar's bottom, which then
    // keeps the fill's colour.
    const int top = static_cast<int>(static_cast<long double>(i) * bandHeight);
    const int bottom = static_cast<int>(static_cast<long double>(i + 1) * bandHeight);
    if (bottom > top) bands.push_back({top, bottom, Truncated(value)});
    Advance(value, step);
  }
  return bands;
}

CaptionOrigin BevelCaptionOrigin(int width, int height, int textWidth, int textHeight) {
  return {(width - textWidth) / 2, (height - textHeight) / 2};
}

}  // namespace vx
