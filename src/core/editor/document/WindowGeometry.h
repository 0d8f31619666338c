// The main window's geometry kept under "\Software\Vorlix": its bounds ("Left", "Top",
// "Width", "Height", 32-bit integers in screen pixels), the widths of the step list header's
// two sections ("ListcWidth", exactly 4 bytes: two unsigned 16-bit little-endian widths) and
// the width of the left panel ("pnlleftwidth").
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/editor/document/MainLayout.h"

namespace vx::editor {

inline constexpr const char* kGeometryKey = "\\Software\\Vorlix";
inline constexpr const char* kLeftValue = "Left";
inline constexpr const char* kTopValue = "Top";
inline constexpr const char* kWidthValue = "Width";
inline constexpr const char* kHeightValue = "Height";
inline constexpr const char* kHeaderWidthsValue = "ListcWidth";
inline constexpr const char* kLeftPanelWidthValue = "pnlleftwidth";

struct MainGeometry {
  Rect bounds;                // outer bounds, screen pixels
  int actionColumnWidth = 0;  // header section 0, "Action"
  int numberColumnWidth = 0;  // header section 1, "#"
  int leftPanelWidth = 0;

  bool operator==(const MainGeometry&) const = default;
};

// The window as designed, at 96 DPI: 0, 0, 523 x 493; sections 200 and 50; panel 208.
MainGeometry DesignGeometry(int dpi = kDesignDpi);

// What the key held. nullopt for a value that is missing or of another type (an integer
// value that is not a 32-bit integer, a "ListcWidth" that is not binary).
struct StoredGeometry {
  std::optional<std::int32_t> left;
  std::optional<std::int32_t> top;
  std::optional<std::int32_t> width;
  std::optional<std::int32_t> height;
  std::optional<std::string> headerWidths;  // the bytes of "ListcWidth"
  std::optional<std::int32_t> leftPanelWidth;
};

// The geometry to restore: each value that is missing, of another type or (for
// "ListcWidth") not exactly 4 bytes takes its design value at dpi, on its own; the first
// start therefore gets the design window. Negative widths and heights become 0. Never fails.
MainGeometry GeometryFromStore(const StoredGeometry& stored, int dpi = kDesignDpi);

// The values FormClose writes, in its order: the caller passes the bounds the window has,
// maximised too, or the restored (normal) ones when it is minimised, so a restart never
// opens minimised.
// Widths below zero are written as 0, section widths are limited to 0..65535.
struct GeometryValues {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::string headerWidths;  // 4 bytes
  std::int32_t leftPanelWidth = 0;
};
GeometryValues GeometryToStore(const MainGeometry& geometry);

// "ListcWidth": two 16-bit little-endian widths. Decoding refuses anything not 4 bytes.
std::string EncodeHeaderWidths(int actionColumnWidth, int numberColumnWidth);
std::optional<std::pair<int, int>> DecodeHeaderWidths(std::string_view bytes);

// Bounds that overlap no monitor's work area are moved, size kept, onto the nearest one
// (its top-left corner when the window is larger than it). Bounds that overlap one are
// returned as they are, and so are all bounds when no work area is known.
Rect KeepOnAMonitor(const Rect& bounds, std::span<const Rect> workAreas);

}  // namespace vx::editor
