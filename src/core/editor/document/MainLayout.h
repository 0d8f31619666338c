// Where the main window's controls go after every resize and splitter move. Positions are
// relative to the panel that holds each control; the design constants are scaled to the
// window's DPI, the measured sizes passed in are already in pixels.
#pragma once

namespace vx::editor {

inline constexpr int kDesignDpi = 96;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;

  bool operator==(const Point&) const = default;
};

// The measured sizes the layout depends on, in pixels.
struct MainLayoutInput {
  int windowHeight = 0;    // the main window's outer height
  int actionsWidth = 0;    // the left panel ("Available Actions")
  int listPanelWidth = 0;  // the right panel ("Selected Actions")
  int listPanelHeight = 0;
  int dpi = kDesignDpi;
};

struct MainLayout {
  // In the left panel.
  Rect actionsHeading;  // the "Available Actions" bar
  Rect tree;
  Rect searchBevel;
  Point searchLabel;  // "Search:" sizes itself to its text
  Rect searchEdit;
  // In the right panel.
  Rect listHeading;  // the "Selected Actions" bar
  Rect header;
  Rect list;

  bool operator==(const MainLayout&) const = default;
};

// The tree's height follows the window's outer height, not its panel's, as the window was
// designed; the search row sits below the tree. No width or height is below zero.
MainLayout LayOutMainWindow(const MainLayoutInput& input);

// A design length in pixels at dpi, rounded to the nearest pixel with halves away from zero
// (as MulDiv rounds).
int ScaleForDpi(int designPixels, int dpi);

}  // namespace vx::editor
