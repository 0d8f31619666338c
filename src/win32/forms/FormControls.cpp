#include "win32/forms/FormControls.h"

#include <algorithm>

#include "win32/forms/Control.h"

namespace vx::win32 {

void TFormControls::Add(TControl& control) {
  all_.push_back(&control);
}

void TFormControls::AddPainted(TGraphicControl& control) {
  painted_.push_back(&control);
}

void TFormControls::AddWindowed(TWinControl& control) {
  windowed_.push_back(&control);
  if (control.Handle()) byWindow_[control.Handle()] = &control;
}

void TFormControls::Forget(const TControl* control) {
  std::erase(all_, control);
  std::erase_if(painted_, [control](const TControl* painted) { return painted == control; });
  std::erase_if(windowed_, [control](const TControl* windowed) { return windowed == control; });
  std::erase_if(byWindow_, [control](const auto& entry) { return entry.second == control; });
}

TWinControl* TFormControls::OfWindow(HWND window) const {
  const auto found = window ? byWindow_.find(window) : byWindow_.end();
  return found == byWindow_.end() ? nullptr : found->second;
}

TWinControl* TFormControls::OfId(int id) const {
  const auto found = std::find_if(windowed_.begin(), windowed_.end(),
                                  [id](const TWinControl* control) { return control->Id() == id; });
  return found == windowed_.end() ? nullptr : *found;
}

TGraphicControl* TFormControls::PaintedAt(POINT client) const {
  // The last placed lies on top.
  for (auto it = painted_.rbegin(); it != painted_.rend(); ++it) {
    TGraphicControl* painted = *it;
    if (!painted->Visible() || !painted->WantsMouse() || painted->ParentControl()) continue;
    const RECT r = painted->Bounds();
    if (::PtInRect(&r, client)) return painted;
  }
  return nullptr;
}

void TFormControls::PaintOnForm(HDC dc) const {
  for (const TGraphicControl* painted : painted_)
    if (painted->Visible() && !painted->ParentControl()) painted->Paint(dc);
}

}  // namespace vx::win32
