// The forms library: a form is a top-level window built from a control table. Geometry in
// the table is in pixels at 96 DPI and is scaled by the window's DPI. Labels, images and
// gradients have no window of their own: the form paints them on its surface, in table
// order, so a label lies over the gradient before it. Every message handler runs inside the
// application's error report: no exception leaves the window procedure.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "win32/Handles.h"
#include "win32/forms/TGradient.h"

namespace vx::win32 {

enum class ControlKind {
  Label,     // painted text, transparent background
  Image,     // painted bitmap resource (named by the caption), transparent background
  Gradient,  // painted TGradient
  Button,
  CheckBox,
  RadioButton,
  GroupBox,
  Edit,
  ListBox,
  ComboBox,
  Custom,  // any window class, named by ControlDef::className
};

// The window-text colour.
inline constexpr COLORREF DefaultTextColor = CLR_INVALID;

struct FontDef {
  const char* face = "Tahoma";
  int points = 8;
  bool bold = false;
  COLORREF color = DefaultTextColor;
};

struct ControlDef {
  ControlKind kind;
  const char* name;
  const char* caption = "";
  int left = 0, top = 0, width = 0, height = 0;  // pixels at 96 DPI
  DWORD style = 0;                               // added to the kind's own window styles
  FontDef font = {};
  int id = 0;  // 0: numbered by position; IDOK / IDCANCEL for Enter and Esc
  const char* className = nullptr;
};

struct FormDef {
  const char* className;  // the window class, one per form type
  const char* caption;
  int width, height;  // outer size at 96 DPI
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  COLORREF background = RGB(240, 240, 240);
  FontDef font = {};
};

class TForm {
 public:
  TForm() = default;
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;
  virtual ~TForm();

  // Creates the window and its controls. The form stays at the top left until moved.
  void CreateForm(const FormDef& form, std::span<const ControlDef> controls, HWND owner = nullptr);
  HWND Handle() const { return window_.Get(); }

  // A control's own window (null for the painted kinds).
  HWND Control(std::string_view name) const;
  void SetCaption(std::string_view name, const std::string& text);
  std::string Caption(std::string_view name) const;
  void SetVisible(std::string_view name, bool visible);
  bool IsVisible(std::string_view name) const;
  TGradient& Gradient(std::string_view name);
  // Bounds in pixels at 96 DPI.
  void SetControlBounds(std::string_view name, int left, int top, int width, int height);

  UINT Dpi() const { return dpi_; }
  int Scale(int pixels) const { return ::MulDiv(pixels, static_cast<int>(dpi_), 96); }
  // Outer size and place in pixels at 96 DPI (the place in screen pixels).
  void SetBounds(int left, int top, int width, int height);

  void Show();
  void Close() { ::SendMessageA(Handle(), WM_CLOSE, 0, 0); }

  // Runs the form modally: the owner is disabled and a loop of the form's own runs until
  // EndModal; Enter and Esc reach the IDOK and IDCANCEL buttons, Tab moves through controls.
  int ShowModal();
  void EndModal(int result);

 protected:
  // The form's own handling of a message; return true when handled (result in result).
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The show event, each time the form is shown.
  virtual void FormShow() {}
  // A windowed control's notification (BN_CLICKED, LBN_SELCHANGE, ...).
  virtual void OnCommand(std::string_view name, WORD notification);
  // The main window ends the message loop; other forms hide (they live until the program
  // ends), or end their modal loop with IDCANCEL.
  virtual void OnClose();
  // After the controls were laid out again for a new DPI.
  virtual void OnDpiChanged() {}

 private:
  struct Item {
    ControlDef def;
    std::string caption;
    bool visible = true;
    HWND window = nullptr;
    UniqueGdiObject font;
    UniqueGdiObject bitmap;
    TGradient gradient;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControl(Item& item, int index);
  void Layout();
  RECT ScaledRect(const ControlDef& def) const;
  HFONT MakeFont(const FontDef& font) const;
  Item* Find(std::string_view name);
  const Item* Find(std::string_view name) const;
  RECT TextBounds(const Item& item) const;
  void Paint(HDC dc, const RECT& area) const;
  void PaintItem(HDC dc, const Item& item) const;
  void ChangeDpi(UINT dpi, const RECT* suggested);

  UniqueWindow window_;
  UniqueGdiObject formFont_;
  UniqueGdiObject backgroundBrush_;
  FormDef def_{};
  std::vector<Item> items_;
  UINT dpi_ = 96;
  bool modal_ = false;
  int modalResult_ = 0;
};

// The DPI of a window (96 where the system cannot tell).
UINT WindowDpi(HWND window);

}  // namespace vx::win32
