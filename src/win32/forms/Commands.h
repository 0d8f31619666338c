// Commands apart from controls: a table of commands (id, caption, hint, shortcut, image)
// from which menus, accelerators and toolbar tips take their texts. A command reaches the
// form's OnCommand by its id, whichever menu, key or button sent it.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "win32/Handles.h"
#include "win32/forms/Control.h"

namespace vx::win32 {

// A shortcut key: FVIRTKEY is implied; modifiers FCONTROL, FSHIFT, FALT. key 0: none.
struct Shortcut {
  BYTE modifiers = 0;
  WORD key = 0;
};

struct CommandDef {
  WORD id = 0;  // from FirstCommandId on
  const char* caption = "";
  const char* hint = "";
  Shortcut shortcut = {};
  int image = -1;  // index into the toolbar's image list
};

// The text a menu shows for a shortcut: "Ctrl+O", "F5", "Ctrl+Shift+Del".
std::string ShortcutText(const Shortcut& shortcut);

// A form's commands. The table must outlive the form (a static table).
class TCommandTable {
 public:
  TCommandTable() = default;
  // Raises std::logic_error for an id outside the command range or used twice.
  explicit TCommandTable(std::span<const CommandDef> commands);
  const CommandDef* Find(WORD id) const;
  // The hint of a command; "" for an unknown id.
  std::string Hint(WORD id) const;
  std::span<const CommandDef> Commands() const { return commands_; }
  // An accelerator table of every command that has a shortcut (null when none has).
  HACCEL CreateAccelerators() const;

 private:
  std::span<const CommandDef> commands_;
};

// A menu item: a command (caption from the command table, or its own caption), a
// separator (command 0 and no caption and no submenu), or a submenu with its caption. A
// submenu item may carry a command id too, so that SubMenu finds it.
struct MenuItemDef {
  WORD command = 0;
  const char* caption = nullptr;  // null: the command's caption
  std::span<const MenuItemDef> submenu = {};
};

struct MenuTraits {
  using Type = HMENU;
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU menu) { ::DestroyMenu(menu); }
};
using UniqueMenu = Unique<MenuTraits>;
struct AcceleratorTraits {
  using Type = HACCEL;
  static HACCEL Invalid() { return nullptr; }
  static void Close(HACCEL table) { ::DestroyAcceleratorTable(table); }
};
using UniqueAccelerators = Unique<AcceleratorTraits>;

// A menu built from a table: a menu bar (CreateMenu) or a pop-up menu (CreatePopupMenu).
class TMenu {
 public:
  void Build(const TCommandTable& commands, std::span<const MenuItemDef> items, bool popup);
  HMENU Handle() const { return menu_.Get(); }
  // Hands the menu over to a window (a menu bar is destroyed with its window).
  HMENU Release() { return menu_.Release(); }
  // The submenu whose item carries command (null when none does).
  HMENU SubMenu(WORD command) const;
  void Enable(WORD command, bool enabled);
  void Check(WORD command, bool checked);

 private:
  UniqueMenu menu_;
};

// Shows a pop-up menu at a screen point for a form; the chosen command goes to the form's
// OnCommand as a menu's would. A point of (-1, -1) (the menu key) shows it at the control's
// top left.
void ShowPopupMenu(const TMenu& menu, TForm& form, POINT screen, const TWinControl* control);

}  // namespace vx::win32
