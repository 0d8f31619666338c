#include "core/Gradient.h"

#include <cmath>
#include <cstdlib>

namespace vx {

namespace {

std::uint32_t Channel(double value) {
  // trunc first, then the low 8 bits: 260 is drawn as 4.
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(value))) & 0xFFu;
}

std::uint32_t ColorOf(double r, double g, double b) {
  return Channel(r) | (Channel(g) << 8) | (Channel(b) << 16);
}

// trunc(i * size / n) with the division exact: band i of n across size pixels starts at
// this edge. In floating point, i * h + h can come out a hair below (i + 1) * h, so a band
// ended one row before the next began and the background showed through as a line; with
// exact edges every band ends where the next starts and the last at the far side.
std::int32_t Edge(std::int64_t i, std::int64_t size, std::int64_t n) {
  return static_cast<std::int32_t>(i * size / n);
}

GradientShape Band(const GradientSettings& settings, std::int32_t i, std::int32_t width,
                   std::int32_t height) {
  const std::int64_t n = settings.steps;
  GradientShape shape;
  switch (settings.style) {
    case TFillStyle::fsHorizontal:
      shape = {false, 0, Edge(i, height, n), width, Edge(i + 1, height, n), 0};
      break;
    case TFillStyle::fsVertical:
      shape = {false, Edge(i, width, n), 0, Edge(i + 1, width, n), height, 0};
      break;
    case TFillStyle::fsSquare:
    case TFillStyle::fsEllipse: {
      // Half a band's width and height in from every side per band.
      const std::int32_t dx = Edge(i, width, 2 * n);
      const std::int32_t dy = Edge(i, height, 2 * n);
      shape = {settings.style == TFillStyle::fsEllipse, dx, dy, width - dx, height - dy, 0};
      break;
    }
  }
  return shape;
}

}  // namespace

std::vector<GradientShape> GradientShapes(const GradientSettings& settings, std::int32_t width,
                                          std::int32_t height) {
  const double n = settings.steps;
  double r = settings.red1, g = settings.green1, b = settings.blue1;
  std::vector<GradientShape> shapes;
  shapes.push_back({false, 0, 0, width, height, ColorOf(r, g, b)});
  if (settings.steps < 1) return shapes;
  shapes.reserve(static_cast<std::size_t>(settings.steps) + 1);
  const double dR = std::abs(settings.red2 - settings.red1) / n;
  const double dG = std::abs(settings.green2 - settings.green1) / n;
  const double dB = std::abs(settings.blue2 - settings.blue1) / n;
  for (std::int32_t i = 0; i < settings.steps; ++i) {
    GradientShape shape = Band(settings, i, width, height);
    shape.color = ColorOf(r, g, b);
    shapes.push_back(shape);
    r += dR;
    g += dG;
    b += dB;
  }
  return shapes;
}

bool GradientAcceptsSteps(std::int32_t current, std::int32_t value) {
  return current > 1 && value != current;
}

}  // namespace vx
