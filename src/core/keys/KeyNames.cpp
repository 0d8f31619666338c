#include "core/keys/KeyNames.h"

namespace vx {

void ShowKeyError(Keyboard& keyboard, const std::string& text) {
  keyboard.MessageBoxA(text, "SendKeys", 0);  // MB_OK, no icon
}

std::uint16_t FindKeyName(std::string_view name, Keyboard& keyboard) {
  for (const KeyName& row : KeyNameTable) {
    if (row.name == name) return row.code;
  }
  ShowKeyError(keyboard, "Invalid Key Name");
  return NoKey;
}

}  // namespace vx
