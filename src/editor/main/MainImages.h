// The main window's icons: strips of square images side by side in a 24-bit bitmap
// resource, magenta (255, 0, 255) where the background shows through.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "win32/forms/CommonControls.h"

namespace vx::editor {

inline constexpr std::uint32_t TransparentColor = 0x00FF00FF;

// The images of a strip of width x size pixels (0xAARRGGBB, top-down rows), each made size
// x size; magenta pixels become fully transparent.
std::vector<std::vector<std::uint32_t>> SplitStrip(std::span<const std::uint32_t> strip, int width,
                                                   int size);

// One image scaled to target x target pixels, nearest neighbour: icons stay crisp at 144 DPI.
std::vector<std::uint32_t> ScaleImage(std::span<const std::uint32_t> image, int size, int target);

// An image list of the strip resource's images at size pixels scaled for dpi.
win32::TImageList LoadImageStrip(const char* resource, int size, unsigned dpi);

}  // namespace vx::editor
