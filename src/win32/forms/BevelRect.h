// TBevelRect: a flat heading bar, a vertical colour band with a centred caption and a thin
// frame. The bands and their colours come from the core (core/forms/BevelBands.h).
#pragma once

#include <string>

#include "win32/forms/Control.h"

namespace vx::win32 {

class TBevelRect : public TWinControl {
 public:
  // "Caption1" until set; the ControlDef's caption is taken when it has one.
  const std::string& Caption() const { return caption_; }
  // Stores the text and repaints at once.
  void SetCaption(const std::string& text);
  // Copies the font and repaints at once.
  void SetFont(const FontDef& font);

  // Draws the bar at client size width x height into dc.
  void PaintTo(HDC dc, int width, int height) const;

 protected:
  const char* ClassName() const override;
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void AfterCreate() override;
  void ApplyDpi() override;

 private:
  std::string caption_ = "Caption1";
  FontDef captionFont_;
  UniqueGdiObject font_;
};

}  // namespace vx::win32
