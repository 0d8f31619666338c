#include "core/editor/document/WindowGeometry.h"

#include <algorithm>
#include <limits>

namespace vx::editor {

MainGeometry DesignGeometry(int dpi) {
  const auto s = [dpi](int design) { return ScaleForDpi(design, dpi); };
  return MainGeometry{Rect{0, 0, s(523), s(493)}, s(200), s(50), s(208)};
}

MainGeometry GeometryFromStore(const StoredGeometry& stored, int dpi) {
  MainGeometry geometry = DesignGeometry(dpi);
  const auto nonNegative = [](std::int32_t value) { return std::max<std::int32_t>(value, 0); };
  if (stored.left) geometry.bounds.left = *stored.left;
  if (stored.top) geometry.bounds.top = *stored.top;
  if (stored.width) geometry.bounds.width = nonNegative(*stored.width);
  if (stored.height) geometry.bounds.height = nonNegative(*stored.height);
  if (stored.headerWidths) {
    if (const auto widths = DecodeHeaderWidths(*stored.headerWidths)) {
      geometry.actionColumnWidth = widths->first;
      geometry.numberColumnWidth = widths->second;
    }
  }
  if (stored.leftPanelWidth) geometry.leftPanelWidth = nonNegative(*stored.leftPanelWidth);
  return geometry;
}

GeometryValues GeometryToStore(const MainGeometry& geometry) {
  const auto nonNegative = [](int value) { return std::max(value, 0); };
  return GeometryValues{geometry.bounds.left,
                        geometry.bounds.top,
                        nonNegative(geometry.bounds.width),
                        nonNegative(geometry.bounds.height),
                        EncodeHeaderWidths(geometry.actionColumnWidth, geometry.numberColumnWidth),
                        nonNegative(geometry.leftPanelWidth)};
}

std::string EncodeHeaderWidths(int actionColumnWidth, int numberColumnWidth) {
  std::string bytes;
  for (int width : {actionColumnWidth, numberColumnWidth}) {
    const int clamped = std::clamp(width, 0, 0xFFFF);
    bytes.push_back(static_cast<char>(clamped & 0xFF));
    bytes.push_back(static_cast<char>(clamped >> 8));
  }
  return bytes;
}

std::optional<std::pair<int, int>> DecodeHeaderWidths(std::string_view bytes) {
  if (bytes.size() != 4) return std::nullopt;
  const auto word = [&](std::size_t at) {
    return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                            static_cast<unsigned char>(bytes[at + 1]) << 8);
  };
  return std::pair{word(0), word(2)};
}

namespace {

// Edges in 64 bits: stored values may be anything, and left + width must not overflow.
struct Edges {
  std::int64_t left, top, right, bottom;
};

Edges EdgesOf(const Rect& r, bool atLeastOnePixel) {
  const std::int64_t minimum = atLeastOnePixel ? 1 : 0;
  return Edges{r.left, r.top, r.left + std::max<std::int64_t>(r.width, minimum),
               r.top + std::max<std::int64_t>(r.height, minimum)};
}

bool Overlap(const Edges& a, const Edges& b) {
  return std::min(a.right, b.right) > std::max(a.left, b.left) &&
         std::min(a.bottom, b.bottom) > std::max(a.top, b.top);
}

double Distance(const Edges& a, const Edges& b) {
  const auto gap = [](std::int64_t lowEnd, std::int64_t highStart) {
    return static_cast<double>(std::max<std::int64_t>(0, highStart - lowEnd));
  };
  const double dx = std::max(gap(a.right, b.left), gap(b.right, a.left));
  const double dy = std::max(gap(a.bottom, b.top), gap(b.bottom, a.top));
  return dx * dx + dy * dy;
}

// The start of a span of length size placed inside [low, high), as near to wanted as fits.
int PlaceInside(std::int64_t wanted, std::int64_t size, std::int64_t low, std::int64_t high) {
  if (size >= high - low) return static_cast<int>(low);
  return static_cast<int>(std::clamp(wanted, low, high - size));
}

}  // namespace

Rect KeepOnAMonitor(const Rect& bounds, std::span<const Rect> workAreas) {
  const Edges window = EdgesOf(bounds, true);
  const Rect* nearest = nullptr;
  double nearestDistance = std::numeric_limits<double>::infinity();
  for (const Rect& area : workAreas) {
    const Edges edges = EdgesOf(area, false);
    if (Overlap(window, edges)) return bounds;
    const double distance = Distance(window, edges);
    if (distance < nearestDistance) {
      nearestDistance = distance;
      nearest = &area;
    }
  }
  if (!nearest) return bounds;
  const Edges area = EdgesOf(*nearest, false);
  Rect moved = bounds;
  moved.left = PlaceInside(bounds.left, std::max(bounds.width, 0), area.left, area.right);
  moved.top = PlaceInside(bounds.top, std::max(bounds.height, 0), area.top, area.bottom);
  return moved;
}

}  // namespace vx::editor
