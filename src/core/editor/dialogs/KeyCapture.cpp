#include "core/editor/dialogs/KeyCapture.h"

#include "core/StepKinds.h"
#include "core/keys/KeyNames.h"

namespace vx::editor {

std::optional<std::string> KeyToken(std::uint32_t virtualKey) {
  for (const KeyName& entry : KeyNameTable) {
    if (entry.code != virtualKey) continue;
    std::string token;
    token.reserve(entry.name.size() + 2);
    token.append(1, '{').append(entry.name).append(1, '}');
    return token;
  }
  return std::nullopt;
}

void KeyCapture::StepShown(std::uint8_t kind) {
  if (kind == ckSendKeys) on_ = true;
}

std::optional<std::string> KeyCapture::KeyDown(std::uint32_t virtualKey) const {
  if (!on_) return std::nullopt;
  return KeyToken(virtualKey);
}

}  // namespace vx::editor
