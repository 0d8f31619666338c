#include "win32/forms/Commands.h"

#include <stdexcept>
#include <vector>

#include "win32/forms/Form.h"

namespace vx::win32 {

namespace {

std::string KeyName(WORD key) {
  if (key >= VK_F1 && key <= VK_F24)
    return std::string("F").append(std::to_string(key - VK_F1 + 1));
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::string(1, static_cast<char>(key));
  switch (key) {
    case VK_DELETE:
      return "Del";
    case VK_INSERT:
      return "Ins";
    case VK_UP:
      return "Up";
    case VK_DOWN:
      return "Down";
    case VK_RETURN:
      return "Enter";
    case VK_ESCAPE:
      return "Esc";
    default:
      break;
  }
  char name[64] = {};
  const UINT scan = ::MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
  if (::GetKeyNameTextA(static_cast<LONG>(scan << 16), name, sizeof name) > 0) return name;
  return std::string("Key ").append(std::to_string(key));
}

void AppendItems(HMENU menu, const TCommandTable& commands, std::span<const MenuItemDef> items) {
  for (const MenuItemDef& item : items) {
    if (!item.submenu.empty()) {
      const HMENU sub = ::CreatePopupMenu();
      AppendItems(sub, commands, item.submenu);
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_SUBMENU | MIIM_STRING | MIIM_ID;
      info.hSubMenu = sub;
      info.wID = item.command;
      info.dwTypeData = const_cast<char*>(item.caption ? item.caption : "");
      ::InsertMenuItemA(menu, ::GetMenuItemCount(menu), TRUE, &info);
      continue;
    }
    if (item.command == 0 && !item.caption) {
      ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const CommandDef* command = commands.Find(item.command);
    std::string text = item.caption ? item.caption : (command ? command->caption : "");
    if (command && command->shortcut.key) {
      text += '\t';
      text += ShortcutText(command->shortcut);
    }
    ::AppendMenuA(menu, MF_STRING, item.command, text.c_str());
  }
}

}  // namespace

std::string ShortcutText(const Shortcut& shortcut) {
  if (!shortcut.key) return {};
  std::string text;
  if (shortcut.modifiers & FCONTROL) text += "Ctrl+";
  if (shortcut.modifiers & FSHIFT) text += "Shift+";
  if (shortcut.modifiers & FALT) text += "Alt+";
  return text + KeyName(shortcut.key);
}

TCommandTable::TCommandTable(std::span<const CommandDef> commands) : commands_(commands) {
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (!IsCommandId(commands[i].id))
      throw std::logic_error(std::string("A command id outside the command range: ")
                                 .append(std::to_string(commands[i].id)));
    for (std::size_t j = 0; j < i; ++j)
      if (commands[j].id == commands[i].id)
        throw std::logic_error(
            std::string("A command id used twice: ").append(std::to_string(commands[i].id)));
  }
}

const CommandDef* TCommandTable::Find(WORD id) const {
  for (const CommandDef& command : commands_)
    if (command.id == id) return &command;
  return nullptr;
}

std::string TCommandTable::Hint(WORD id) const {
  const CommandDef* command = Find(id);
  return command && command->hint ? command->hint : "";
}

HACCEL TCommandTable::CreateAccelerators() const {
  std::vector<ACCEL> keys;
  for (const CommandDef& command : commands_) {
    if (!command.shortcut.key) continue;
    keys.push_back({static_cast<BYTE>(FVIRTKEY | command.shortcut.modifiers), command.shortcut.key,
                    command.id});
  }
  if (keys.empty()) return nullptr;
  return ::CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

void TMenu::Build(const TCommandTable& commands, std::span<const MenuItemDef> items, bool popup) {
  menu_.Reset(popup ? ::CreatePopupMenu() : ::CreateMenu());
  if (!menu_) throw std::runtime_error("Cannot create a menu");
  AppendItems(menu_.Get(), commands, items);
}

namespace {

// GetMenuItemID answers -1 for a submenu item: the id is read with GetMenuItemInfo.
HMENU FindSubMenu(HMENU menu, WORD command) {
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info) || !info.hSubMenu) continue;
    if (info.wID == command) return info.hSubMenu;
    if (const HMENU deeper = FindSubMenu(info.hSubMenu, command)) return deeper;
  }
  return nullptr;
}

}  // namespace

HMENU TMenu::SubMenu(WORD command) const {
  return menu_ ? FindSubMenu(menu_.Get(), command) : nullptr;
}

void TMenu::Enable(WORD command, bool enabled) {
  if (menu_)
    ::EnableMenuItem(menu_.Get(), command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TMenu::Check(WORD command, bool checked) {
  if (menu_)
    ::CheckMenuItem(menu_.Get(), command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void ShowPopupMenu(const TMenu& menu, TForm& form, POINT screen, const TWinControl* control) {
  if (!menu.Handle()) return;
  if (screen.x == -1 && screen.y == -1 && control && control->Handle()) {
    RECT r;
    ::GetWindowRect(control->Handle(), &r);
    screen = {r.left, r.top};
  }
  // The chosen command is posted as WM_COMMAND to the form, as a menu bar's would be.
  ::SetForegroundWindow(form.Handle());
  ::TrackPopupMenu(menu.Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x,
                   screen.y, 0, form.Handle(), nullptr);
  ::PostMessageA(form.Handle(), WM_NULL, 0, 0);
}

}  // namespace vx::win32
