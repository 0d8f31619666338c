#include "editor/main/MainImages.h"

#include <windows.h>

#include <stdexcept>
#include <string>

#include "win32/Handles.h"

namespace vx::editor {

std::vector<std::vector<std::uint32_t>> SplitStrip(std::span<const std::uint32_t> strip, int width,
                                                   int size) {
  std::vector<std::vector<std::uint32_t>> images;
  if (size <= 0) return images;
  const auto w = static_cast<std::size_t>(width);
  const auto n = static_cast<std::size_t>(size);
  for (std::size_t left = 0; left + n <= w; left += n) {
    std::vector<std::uint32_t> image(n * n);
    for (std::size_t y = 0; y < n; ++y) {
      for (std::size_t x = 0; x < n; ++x) {
        const std::uint32_t rgb = strip[y * w + left + x] & 0x00FFFFFF;
        image[y * n + x] = rgb == TransparentColor ? 0 : (0xFF000000 | rgb);
      }
    }
    images.push_back(std::move(image));
  }
  return images;
}

std::vector<std::uint32_t> ScaleImage(std::span<const std::uint32_t> image, int size, int target) {
  const auto n = static_cast<std::size_t>(size);
  const auto t = static_cast<std::size_t>(target);
  std::vector<std::uint32_t> out(t * t);
  for (std::size_t y = 0; y < t; ++y)
    for (std::size_t x = 0; x < t; ++x) out[y * t + x] = image[(y * n / t) * n + x * n / t];
  return out;
}

namespace {

// The resource's pixels as 32-bit top-down rows.
std::vector<std::uint32_t> StripPixels(const char* resource, int& width, int& height) {
  win32::UniqueGdiObject bitmap(
      ::LoadImageA(::GetModuleHandleA(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) throw std::runtime_error(std::string("Cannot load the image strip ") + resource);
  BITMAP info{};
  ::GetObjectA(bitmap.Get(), sizeof info, &info);
  width = info.bmWidth;
  height = info.bmHeight;
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = width;
  header.bmiHeader.biHeight = -height;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
  const HDC screen = ::GetDC(nullptr);
  const int rows = ::GetDIBits(screen, static_cast<HBITMAP>(bitmap.Get()), 0,
                               static_cast<UINT>(height), pixels.data(), &header, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  if (rows != height)
    throw std::runtime_error(std::string("Cannot read the image strip ") + resource);
  return pixels;
}

}  // namespace

win32::TImageList LoadImageStrip(const char* resource, int size, unsigned dpi) {
  int width = 0, height = 0;
  const std::vector<std::uint32_t> pixels = StripPixels(resource, width, height);
  const int target = ::MulDiv(size, static_cast<int>(dpi), 96);
  win32::TImageList list;
  const auto images = SplitStrip(pixels, width, size);
  list.Create(target, target, static_cast<int>(images.size()));
  for (const auto& image : images)
    list.AddPixels(target == size ? image : ScaleImage(image, size, target));
  return list;
}

}  // namespace vx::editor
