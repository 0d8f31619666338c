// The standard controls: painted labels, pictures and gradients, and the windowed buttons,
// edits, lists and panels the forms need.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win32/forms/Control.h"
#include "win32/forms/TGradient.h"

namespace vx::win32 {

// Painted text on a transparent background, sized to its text from its top left corner
// (at least to its design size), or, without auto size, exactly its design bounds with the
// text centred vertically.
class TLabel : public TGraphicControl {
 public:
  const std::string& Caption() const { return caption_; }
  // Stores the text and repaints what the old and the new text cover.
  void SetCaption(const std::string& text);
  void Paint(HDC dc) const override;
  void ApplyDpi() override;

 protected:
  // The bounds for the caption: the text's rectangle from the top left corner when sized
  // automatically, else the bounds as they are.
  RECT FittedRect() const;
  void DrawCaption(HDC dc, HFONT font, COLORREF color) const;
  UniqueGdiObject font_;
  std::string caption_;
  bool captionSet_ = false;  // the caption of the ControlDef until SetCaption
  bool autoSize_ = true;
};

// A bitmap resource (named by the ControlDef's caption) painted transparently: its
// bottom-left pixel's colour is the background.
class TImage : public TGraphicControl {
 public:
  void Paint(HDC dc) const override;
  void ApplyDpi() override;

 private:
  UniqueGdiObject bitmap_;
};

// A TGradient placed as a control.
class TGradientBox : public TGraphicControl {
 public:
  TGradient& Gradient() { return gradient_; }
  void SetBounds(const RECT& bounds) override;
  void Paint(HDC dc) const override { gradient_.Paint(dc); }
  void ApplyDpi() override;

 private:
  TGradient gradient_;
};

// A push button; IDOK is the default button, IDCANCEL the one Esc reaches.
class TButton : public TWinControl {
 public:
  std::function<void()> OnClick;
  void CommandNotification(WORD code) override;

 protected:
  const char* ClassName() const override { return "BUTTON"; }
  DWORD OwnStyle() const override;
};

class TCheckBox : public TButton {
 public:
  bool Checked() const;
  void SetChecked(bool checked);

 protected:
  DWORD OwnStyle() const override { return WS_TABSTOP | BS_AUTOCHECKBOX; }
};

// A radio button's OnClick runs only when a click checks it: clicking the button that is
// already checked changes nothing, as a radio button of the class library the dialogs were
// drawn for does. Checking it in code runs nothing.
class TRadioButton : public TCheckBox {
 public:
  void CommandNotification(WORD code) override;

 protected:
  DWORD OwnStyle() const override { return BS_AUTORADIOBUTTON; }
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool becameChecked_ = false;  // by the click being handled
};

class TGroupBox : public TWinControl {
 protected:
  const char* ClassName() const override { return "BUTTON"; }
  DWORD OwnStyle() const override { return BS_GROUPBOX; }
};

// A one-line edit box (ES_MULTILINE and others through ControlDef::style). It takes as much
// text as a step's field can hold, typed or pasted, and gives a text it was set to back
// whole while the box still shows it unchanged: a window cannot hold a zero byte, so a
// field shown and applied unchanged would otherwise lose everything from its first one.
class TEdit : public TWinControl {
 public:
  void SetText(const std::string& text);
  // The text in the ANSI code page, each character the code page lacks as "?".
  std::string Text() const;
  // The text only when the code page holds all of it: nullopt when a Unicode box holds a
  // character the code page lacks. An ANSI box always gives its text.
  std::optional<std::string> ExactText() const;
  // A Unicode box shows text whole, as the system gave it (an ANSI box with "?" for what
  // the code page lacks).
  void SetUnicodeText(const std::wstring& text);

  std::function<void()> OnChange;
  // A key pressed in the box; return true to swallow it.
  std::function<bool(UINT virtualKey, ShiftState shift)> OnKeyDown;
  void SelectAll();
  void SetReadOnly(bool readOnly);
  void SetMaxLength(int characters);
  void CommandNotification(WORD code) override;

 protected:
  const char* ClassName() const override { return "EDIT"; }
  DWORD OwnStyle() const override { return WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL; }
  void AfterCreate() override;
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The text the box is to hold for text (a box that keeps some bytes out drops them here).
  virtual std::string Admitted(const std::string& text) const { return text; }

 private:
  bool ShowsWhatWasSet() const;

  std::string set_;                         // the text last set, whole
  std::optional<std::wstring> shown_{L""};  // what the box held right after; none: not set so
};

// An edit box for a text that names files (a path, a library, a program's parameters): a
// Unicode window, so that a name typed or pasted with a character the ANSI code page lacks
// stays as the user gave it and can be refused (ExactText) rather than turned into a
// look-alike, another file's name.
class TNameEdit : public TEdit {
 protected:
  bool Unicode() const override { return true; }
};

// A drop-down list (CBS_DROPDOWNLIST by default; CBS_DROPDOWN through ControlDef::style
// with the default style removed by SetEditable before creation). ItemText gives an entry
// back as it was added.
class TComboBox : public TWinControl {
 public:
  std::function<void()> OnChange;  // the selection or the edited text changed
  void SetEditable(bool editable) { editable_ = editable; }
  void Clear();
  void Add(const std::string& text);
  void SetItems(const std::vector<std::string>& items);
  int Count() const;
  int ItemIndex() const;  // -1: none
  void SetItemIndex(int index);
  std::string ItemText(int index) const;
  void CommandNotification(WORD code) override;

 protected:
  const char* ClassName() const override { return "COMBOBOX"; }
  DWORD OwnStyle() const override;
  void ApplyDpi() override;

 private:
  bool editable_ = false;
  // The entries as added, whole: the window's copies end at a zero byte.
  std::vector<std::string> items_;
};

// The text of a list box's item (empty for an index it does not hold); both list box
// classes read their items with it.
std::string ListBoxItemText(HWND list, int index);

// A plain list box of text lines (the player's run log).
class TListBox : public TWinControl {
 public:
  std::function<void()> OnSelect;
  std::function<void()> OnDoubleClick;
  void SetItemHeight(int designPixels);  // scaled by the DPI, kept across DPI changes
  void Clear();
  int Add(const std::string& text);
  int Count() const;
  std::string ItemText(int index) const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  void SetTopIndex(int index);
  void CommandNotification(WORD code) override;
  void ApplyDpi() override;

 protected:
  const char* ClassName() const override { return "LISTBOX"; }
  DWORD OwnStyle() const override { return WS_BORDER | WS_VSCROLL | LBS_NOTIFY; }
  int itemHeight_ = 0;  // design pixels; 0: the font's
};

// A container for other windowed controls (controls placed with it as their parent); it
// passes its children's notifications to them as the form does, and Tab and Shift+Tab walk
// into it as into the form. No bevel; the form's background colour unless given another.
class TPanel : public TWinControl {
 public:
  void SetColor(COLORREF color);

 protected:
  const char* ClassName() const override;
  DWORD OwnStyle() const override { return WS_CLIPCHILDREN | WS_CLIPSIBLINGS; }
  DWORD OwnExStyle() const override { return WS_EX_CONTROLPARENT; }
  bool WantsSubclass() const override { return true; }
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void AfterCreate() override;

 private:
  UniqueGdiObject brush_;
};

// An etched line, horizontal when wider than high.
class TBevelLine : public TWinControl {
 protected:
  const char* ClassName() const override { return "STATIC"; }
  DWORD OwnStyle() const override;
};

}  // namespace vx::win32
