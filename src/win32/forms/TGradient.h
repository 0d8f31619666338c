// TGradient: a window-less control that fills its rectangle on its parent's surface with
// colour bands. The parent paints it in its own WM_PAINT, beneath the labels over it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/Gradient.h"

namespace vx::win32 {

class TGradient {
 public:
  // Parent window and bounds in the parent's client pixels.
  void SetParent(HWND parent) { parent_ = parent; }
  void SetBounds(const RECT& bounds);
  const RECT& Bounds() const { return bounds_; }
  const GradientSettings& Settings() const { return def_; }

  // The property setters: a new value is stored and drawn at once; an equal value changes
  // and draws nothing. Index 1..6 is Red2, Green2, Blue2, Red1, Green1, Blue1.
  void SetSteps(std::int32_t value);
  void SetStyle(TFillStyle value);
  void SetColorByte(int index, std::uint8_t value);
  // Sets every property without drawing (a form's stored description).
  void Assign(const GradientSettings& settings) { def_ = settings; }

  // Draws the whole control into dc (the parent's client coordinates).
  void Paint(HDC dc) const;

 private:
  void PaintNow() const;

  HWND parent_ = nullptr;
  RECT bounds_{};
  GradientSettings def_;
};

}  // namespace vx::win32
