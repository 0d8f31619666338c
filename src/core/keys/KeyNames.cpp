#include "core/keys/KeyNames.h"

namespace vx {

void ShowKeyError(MessageBoxPort& boxes, const std::string& text) {
  boxes.MessageBoxA(text, "SendKeys", MbOk);  // no icon
}

std::uint16_t FindKeyName(std::string_view name, MessageBoxPort& boxes) {
  for (const KeyName& row : KeyNameTable) {
    if (row.name == name) return row.code;
  }
  ShowKeyError(boxes, "Invalid Key Name");
  return NoKey;
}

}  // namespace vx
