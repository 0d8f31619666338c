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

std::int32_t Trunc(double value) {
  return static_cast<std::int32_t>(std::trunc(value));
}

GradientShape Band(const GradientSettings& settings, std::int32_t i, double w, double h,
                   std::int32_t width, std::int32_t height) {
  GradientShape shape;
  switch (settings.style) {
    case TFillStyle::fsHorizontal:
      shape = {false, 0, Trunc(i * h), width, Trunc(i * h + h), 0};
      break;
    case TFillStyle::fsVertical:
      shape = {false, Trunc(i * w), 0, Trunc(i * w + w), height, 0};
      break;
    case TFillStyle::fsSquare:
    case TFillStyle::fsEllipse: {
      const std::int32_t dx = Trunc(i * w / 2);
      const std::int32_t dy = Trunc(i * h / 2);
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
  const double w = width / n, h = height / n;
  const double dR = std::abs(settings.red2 - settings.red1) / n;
  const double dG = std::abs(settings.green2 - settings.green1) / n;
  const double dB = std::abs(settings.blue2 - settings.blue1) / n;
  for (std::int32_t i = 0; i < settings.steps; ++i) {
    GradientShape shape = Band(settings, i, w, h, width, height);
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
