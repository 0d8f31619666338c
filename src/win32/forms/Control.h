// Controls of the forms library. A form holds its controls as typed members and places each
// one from a ControlDef written with designated initialisers:
//
//   TListBox lstlog;
//   ...
//   CreateForm(InfoForm, {{&lstlog, {.left = 40, .top = 72, .width = 241, .height = 113}}});
//
// Geometry in a ControlDef is in pixels at 96 DPI and is scaled by the form's DPI; bounds set
// at run time with SetBounds are client pixels of the parent and are kept exactly.
// Painted controls (TGraphicControl) have no window: the form paints them on its surface in
// the order they were placed, so a label lies over the gradient placed before it.
// Windowed controls (TWinControl) receive their own notifications: the form finds the control
// that sent WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM or WM_CONTEXTMENU by its window
// and passes the notification on.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "win32/Handles.h"

namespace vx::win32 {

class TForm;
class TFormControls;
class TWinControl;

// The window-text colour.
inline constexpr COLORREF DefaultTextColor = CLR_INVALID;

// A font at a size in points; a null face is the form's own font (FormDef::font).
struct FontDef {
  const char* face = nullptr;
  int points = 8;
  bool bold = false;
  COLORREF color = DefaultTextColor;
  bool underline = false;
};

// Control ids: IDOK and IDCANCEL for the buttons Enter and Esc reach, otherwise numbered by
// the form from FirstControlId. Commands (menus, accelerators, toolbar buttons) have ids of
// their own from FirstCommandId on, so a command never reaches a control and back.
inline constexpr int FirstControlId = 1000;
inline constexpr int LastControlId = 39999;
inline constexpr WORD FirstCommandId = 40000;
inline constexpr WORD LastCommandId = 0xEFFF;
constexpr bool IsCommandId(unsigned id) {
  return id >= FirstCommandId && id <= LastCommandId;
}

struct ControlDef {
  const char* caption = "";
  int left = 0, top = 0, width = 0, height = 0;  // pixels at 96 DPI, in the parent's client
  DWORD style = 0;                               // added to the control's own window styles
  DWORD exStyle = 0;
  FontDef font = {};
  int id = 0;                  // 0: numbered by the form; IDOK / IDCANCEL for Enter and Esc
  const char* hint = nullptr;  // shown in the form's status bar while the mouse is over it
};

// The keys and buttons held during a mouse or key event.
struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool left = false;
  bool right = false;
  bool middle = false;
  bool doubleClick = false;
};
enum class MouseButton { Left, Right, Middle };
// The shift state from a mouse message's wParam (MK_... flags) and the keyboard.
ShiftState ShiftFromMouse(WPARAM flags);
ShiftState ShiftFromKeyboard();

class TControl {
 public:
  TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;
  // A control leaves its form's lists when it goes (members go before their form's window).
  virtual ~TControl();

  // Set by the form when it places the control; a control belongs to one form.
  void Place(TForm& form, TWinControl* parent, const ControlDef& def);
  TForm* Form() const { return form_; }
  // The windowed control that contains this one; null for the form itself.
  TWinControl* ParentControl() const { return parent_; }
  const ControlDef& Def() const { return def_; }
  // The parent's window (the form or a panel).
  HWND ParentHandle() const;

  // Bounds in client pixels of the parent, exactly as given.
  virtual void SetBounds(const RECT& bounds);
  RECT Bounds() const { return bounds_; }
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }
  // Bounds in pixels at 96 DPI, scaled by the form's DPI.
  void SetDesignBounds(int left, int top, int width, int height);

  virtual void SetVisible(bool visible);
  bool Visible() const { return visible_; }

  const char* Hint() const { return def_.hint; }
  // The font of this control (its ControlDef's, or the form's when that names no face).
  FontDef EffectiveFont() const;

  // The form's scale (96 DPI to its DPI), for a control's own metrics.
  int Scale(int pixels) const;

  // Called by the form: create the window (if any), then after every DPI change lay out
  // again from the design geometry and fonts.
  virtual void CreateWindowFor(int id) = 0;
  virtual void ApplyDpi();

 protected:
  friend class TForm;
  // Joins the form's list of its own kind (once its window, if any, exists).
  virtual void Enlist(TFormControls& controls) = 0;
  // The design bounds scaled to the form's DPI.
  RECT DesignRect() const;
  TForm* form_ = nullptr;
  TWinControl* parent_ = nullptr;
  ControlDef def_{};
  RECT bounds_{};
  bool visible_ = true;
};

// A control without a window of its own, painted by the form on its surface.
class TGraphicControl : public TControl {
 public:
  void SetBounds(const RECT& bounds) override;
  void SetVisible(bool visible) override;
  void CreateWindowFor(int) override { ApplyDpi(); }

  // Draws the control into dc (the form's client coordinates).
  virtual void Paint(HDC dc) const = 0;
  // Asks the form to paint the control again.
  void Invalidate() const;

  // Mouse handling by the form, for a control under the pointer.
  virtual bool WantsMouse() const { return false; }
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual HCURSOR Cursor() const { return nullptr; }  // null: the form's own cursor
  std::function<void()> OnClick;

 protected:
  void Enlist(TFormControls& controls) override;
};

// A control with a window of its own.
class TWinControl : public TControl {
 public:
  ~TWinControl() override;
  HWND Handle() const { return window_; }
  int Id() const { return id_; }
  void SetBounds(const RECT& bounds) override;
  void SetVisible(bool visible) override;
  void ApplyDpi() override;
  void CreateWindowFor(int id) override;

  // The window's text in the ANSI code page; a Unicode window's character the code page
  // lacks shows as "?", never as a look-alike.
  std::string Text() const;
  void SetText(const std::string& text);
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetFocus();
  void Invalidate();

  // Notifications routed by the form. Return true when handled (result in result).
  virtual void CommandNotification(WORD /*code*/) {}
  virtual bool Notification(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual bool DrawItem(DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool MeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  // The context menu key or right click; point in screen pixels, (-1, -1) from the keyboard.
  std::function<void(POINT screen)> OnContextMenu;
  // The window's size changed (WM_SIZE of a panel).
  std::function<void()> OnResize;
  // The parent's client size changed: bars that size themselves to it do so here.
  virtual void ParentResized() {}
  // The hint the form hands on while the mouse is over the control: its ControlDef's, or "";
  // nullopt where the control's parts hand on hints of their own (a toolbar's buttons).
  virtual std::optional<std::string> HoverHint() const { return def_.hint ? def_.hint : ""; }
  // A command the form enabled or disabled, for a control that shows commands (a toolbar's
  // buttons).
  virtual void CommandEnabled(WORD /*command*/, bool /*enabled*/) {}

 protected:
  // The window class and the styles every control of this class has.
  virtual const char* ClassName() const = 0;
  // A Unicode window keeps every character typed, pasted or set into it, also one the ANSI
  // code page lacks, so that such a text can be told from its look-alike (see Text).
  virtual bool Unicode() const { return false; }
  virtual DWORD OwnStyle() const { return 0; }
  virtual DWORD OwnExStyle() const { return 0; }
  // Runs once the window exists (item heights, image lists, sections).
  virtual void AfterCreate() {}
  // Messages the control's own window receives before its class handles them; controls that
  // need mouse or key events subclass their window by returning true from WantsSubclass.
  virtual bool WantsSubclass() const { return false; }
  virtual bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The window class's own handling of a message (inside OnWindowMessage). A Unicode
  // window's messages carry wide texts and characters, both here and in OnWindowMessage.
  LRESULT CallClassProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The window's whole text as the window holds it.
  std::wstring WideText() const;
  // The font of the control at the form's DPI.
  HFONT Font() const { return static_cast<HFONT>(font_.Get()); }
  void Enlist(TFormControls& controls) override;

  HWND window_ = nullptr;  // destroyed with its parent

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Subclassed by replacing the window procedure and keeping the control in the window's
  // user data: comctl32's SetWindowSubclass keeps its data in a window property, which under
  // Wine costs a server round trip on every message (a list of 65,535 steps took seconds).
  WNDPROC classProc_ = nullptr;
  bool unicode_ = false;  // Unicode(), as the window was made
  int id_ = 0;
  UniqueGdiObject font_;
};

}  // namespace vx::win32
