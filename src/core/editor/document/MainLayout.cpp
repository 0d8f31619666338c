#include "core/editor/document/MainLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace vx::editor {

int ScaleForDpi(int designPixels, int dpi) {
  const std::int64_t product = std::int64_t{designPixels} * dpi;
  const std::int64_t half = kDesignDpi / 2;
  const std::int64_t rounded = (std::llabs(product) + half) / kDesignDpi;
  return static_cast<int>(product < 0 ? -rounded : rounded);
}

namespace {

int NotBelowZero(int value) {
  return std::max(value, 0);
}

Rect Sized(int left, int top, int width, int height) {
  return Rect{left, top, NotBelowZero(width), NotBelowZero(height)};
}

}  // namespace

MainLayout LayOutMainWindow(const MainLayoutInput& in) {
  const auto s = [&](int design) { return ScaleForDpi(design, in.dpi); };
  const int a = in.actionsWidth;
  const int l = in.listPanelWidth;
  MainLayout out;

  out.actionsHeading = Sized(s(2), s(4), a - s(1), s(20));
  out.tree = Sized(s(2), s(24), a - s(2), in.windowHeight - s(190));
  const int treeBottom = out.tree.top + out.tree.height;
  out.searchBevel = Sized(s(2), treeBottom + s(10), a - s(4), s(2));
  out.searchLabel = Point{s(8), treeBottom + s(20)};
  out.searchEdit = Sized(s(48), treeBottom + s(19), a - s(55), s(21));

  out.listHeading = Sized(s(2), s(4), l - s(3), s(20));
  out.header = Sized(s(2), s(24), l - s(4), s(20));
  out.list = Sized(s(2), s(44), l - s(4), in.listPanelHeight - s(50));
  return out;
}

}  // namespace vx::editor
