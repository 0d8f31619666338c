// The controls of a form, kept by kind so that the form reaches each without asking its
// type: all of them in placement order (a new DPI), the painted ones (the form's surface and
// the mouse over it), and the windowed ones, also by their window (a notification reaches
// the control that sent it with one look-up, however many controls the form has).
#pragma once

#include <windows.h>

#include <unordered_map>
#include <vector>

namespace vx::win32 {

class TControl;
class TGraphicControl;
class TWinControl;

class TFormControls {
 public:
  // A control in placement order, before its window exists.
  void Add(TControl& control);
  // The same control by its kind, once its window (if any) exists.
  void AddPainted(TGraphicControl& control);
  void AddWindowed(TWinControl& control);
  // A control that goes leaves every list.
  void Forget(const TControl* control);

  const std::vector<TControl*>& All() const { return all_; }
  const std::vector<TWinControl*>& Windowed() const { return windowed_; }

  // The windowed control that owns window (null for any other window).
  TWinControl* OfWindow(HWND window) const;
  // The windowed control of a control id (a list box measures its items before its window
  // is known).
  TWinControl* OfId(int id) const;
  // The topmost painted control on the form itself that is shown, wants the mouse and
  // covers client (null: none).
  TGraphicControl* PaintedAt(POINT client) const;
  // Paints the controls on the form itself into dc, in placement order (later ones on top).
  void PaintOnForm(HDC dc) const;

 private:
  std::vector<TControl*> all_;
  std::vector<TGraphicControl*> painted_;
  std::vector<TWinControl*> windowed_;
  std::unordered_map<HWND, TWinControl*> byWindow_;
};

}  // namespace vx::win32
