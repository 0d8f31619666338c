// The forms library: a form is a top-level window whose controls are typed members, placed
// from ControlDefs (see Control.h). The design size of a form is its client size at 96 DPI,
// made outer with the frame for the window's DPI; controls' design geometry scales by the
// DPI and is laid out again when the DPI changes. Bounds set and read at run time are
// screen pixels, exactly. Every message handler runs inside the application's error
// report: no exception leaves the window procedure.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "win32/Handles.h"
#include "win32/forms/Commands.h"
#include "win32/forms/Control.h"
#include "win32/forms/FormControls.h"

namespace vx::win32 {

// What closing does and what Esc may do: a main form ends the message loop when it closes
// and never closes on Esc; a dialog closes on Esc (as Cancel); a tool window hides.
enum class FormRole { Main, Dialog, Tool };

struct FormDef {
  const char* className = "";  // the window class, one per form type
  const char* caption = "";
  int width = 0, height = 0;  // client size at 96 DPI
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  COLORREF background = RGB(240, 240, 240);
  FontDef font = {"Tahoma", 8};  // the font of every control that names no face of its own
  FormRole role = FormRole::Tool;
};

// A control and where it goes; parent null places it on the form itself.
struct ControlSlot {
  TControl* control = nullptr;
  ControlDef def = {};
  TWinControl* parent = nullptr;
};

// A window rectangle in screen pixels.
struct WindowBounds {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

// Private messages of the forms start here (below it lie the dialog manager's messages).
inline constexpr UINT FirstFormMessage = WM_APP;

class TForm {
 public:
  TForm() = default;
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;
  virtual ~TForm();

  // Creates the window and its controls, in slot order. The form stays hidden at the top
  // left until moved or shown.
  void CreateForm(const FormDef& form, std::initializer_list<ControlSlot> controls,
                  HWND owner = nullptr);
  // Places one more control (after CreateForm).
  void AddControl(const ControlSlot& slot);
  // An id of the form's numbering for a window a control makes inside itself, so that no
  // two windows of the form share one.
  int ReserveControlId();
  HWND Handle() const { return window_.Get(); }
  const FormDef& Def() const { return def_; }
  // The form of a window of this library (null for any other window).
  static TForm* FromHandle(HWND window);

  // The commands (menus, accelerators, toolbar buttons) and the main menu bar.
  void SetCommands(const TCommandTable& commands);
  const TCommandTable& Commands() const { return commands_; }
  HACCEL Accelerators() const { return accelerators_.Get(); }
  // Builds the menu bar and keeps the design size as the client size: call it before the
  // form's bounds are set (from the registry, say), as it sizes the window again.
  void SetMainMenu(std::span<const MenuItemDef> items);
  TMenu& MainMenu() { return mainMenu_; }
  // Enables or disables a command in the menu bar and in the controls that show it.
  void EnableCommand(WORD command, bool enabled);
  // Hands on a command's hint, as for the menu item under the mouse (0: no hint).
  void ShowCommandHint(WORD command);
  // Runs a command as its menu item would.
  void Perform(WORD command);

  UINT Dpi() const { return dpi_; }
  int Scale(int pixels) const { return ::MulDiv(pixels, static_cast<int>(dpi_), 96); }
  // The outer size of a client size at 96 DPI, for this form's style and DPI.
  SIZE OuterSize(int clientWidth, int clientHeight) const;
  // The window's rectangle in screen pixels.
  WindowBounds Bounds() const;
  // Moves and sizes the window to exactly these screen pixels; a minimised or maximised
  // window gets them as its restored bounds.
  void SetBounds(const WindowBounds& bounds);
  // The bounds the window has when restored (also while minimised or maximised).
  WindowBounds RestoredBounds() const;
  int ClientWidth() const;
  int ClientHeight() const;

  void Show();
  bool Showing() const;
  // Puts the window's centre on its owner's centre (on the work area's without an owner),
  // then moves it into the work area of the owner's monitor (PlaceOverOwner): over a small
  // owner near an edge, or one sized for a lower DPI, its title bar would leave the screen.
  void CenterOnOwner();
  // Asks to close, as the close box does: CloseQuery may refuse.
  void Close() { ::SendMessageA(Handle(), WM_CLOSE, 0, 0); }

  // Runs the form modally: the owner is disabled and a loop of the form's own runs until
  // EndModal; accelerators, then Enter, Esc and Tab as in a dialog.
  int ShowModal();
  void EndModal(int result);
  bool Modal() const { return modal_; }

  // Called by a control's destructor.
  void ForgetControl(const TControl* control);
  // The windowed control of this form that owns window (null for any other window).
  TWinControl* ControlOf(HWND window) const;
  // Every control of the form, in placement order (what a user can see of it is among them).
  const std::vector<TControl*>& Controls() const { return controls_.All(); }
  TWinControl* ControlOfId(int id) const;
  // The message routing, also used by panels for their children's notifications.
  bool RouteChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  // The form's own handling of a message; return true when handled (result in result).
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The show event, each time the form is shown.
  virtual void FormShow() {}
  // A command from a menu, an accelerator or a toolbar button; false when not handled.
  virtual bool OnCommand(WORD /*command*/) { return false; }
  // Asked before the form closes; false keeps it open.
  virtual bool CloseQuery() { return true; }
  // The form is closing (after CloseQuery agreed).
  virtual void FormClose() {}
  // After every change of the client size (also once when created).
  virtual void FormResize() {}
  // After the controls were laid out again for a new DPI.
  virtual void OnDpiChanged() {}
  // Esc (IDCANCEL without a cancel button): a dialog closes; a main form does nothing.
  virtual void OnCancelKey();
  // The hint of the command or control under the mouse ("": none), for a form that shows
  // hints (in its status bar, say). Asked on every move of the mouse.
  virtual void OnHint(const std::string& /*hint*/) {}

 private:
  // A handler's result; nullopt: the default window procedure handles the message too.
  using Handled = std::optional<LRESULT>;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  Handled HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // FormMessages.cpp: one handler per message.
  Handled OnChildCommand(WORD id, WORD code, HWND from);
  Handled OnNotify(NMHDR& header);
  Handled OnDrawItem(DRAWITEMSTRUCT& item);
  Handled OnMeasureItem(MEASUREITEMSTRUCT& item);
  Handled OnContextMenuMessage(HWND window, POINT screen);
  void OnShowWindow(bool shown, LPARAM status);
  void OnSize(WPARAM kind);
  Handled OnControlColor(HDC dc);
  Handled OnActivate(WORD state, bool minimized);
  void OnMenuSelect(WORD item, WORD flags, HMENU menu);
  Handled OnSetCursor(HWND under, WORD hitTest, WORD mouseMessage);
  void OnNcDestroy();
  // FormSurface.cpp: the form's painting and its painted controls under the mouse.
  Handled OnEraseBackground(HDC dc) const;
  Handled OnPrintClient(HDC dc) const;
  Handled OnPaint() const;
  void Paint(HDC dc, const RECT& area) const;
  void TrackMouse(POINT client);
  Handled SetHoveredCursor();
  void OnMouseLeave();
  Handled OnLeftButtonDown(POINT client);
  Handled OnLeftButtonUp(POINT client);
  // Form.cpp
  void CloseRequested();
  void ChangeDpi(UINT dpi, const RECT* suggested);
  void ClientResized();
  // Gives the focus to a control when none of the form's has it; false when none can.
  bool FocusAControl();

  UniqueWindow window_;
  UniqueGdiObject backgroundBrush_;
  UniqueAccelerators accelerators_;
  FormDef def_{};
  TCommandTable commands_;
  TMenu mainMenu_;
  TFormControls controls_;
  TGraphicControl* hovered_ = nullptr;
  TGraphicControl* pressed_ = nullptr;  // the clickable control the left button went down on
  HWND lastFocus_ = nullptr;            // the control that had the focus when the form lost it
  int nextId_ = FirstControlId;
  UINT dpi_ = 96;
  bool modal_ = false;
  int modalResult_ = 0;
};

// The DPI of a window (96 where the system cannot tell).
UINT WindowDpi(HWND window);
// A font of a FontDef (the face of fallback when it names none) at a DPI.
HFONT CreateFontFor(const FontDef& font, const FontDef& fallback, UINT dpi);

}  // namespace vx::win32
