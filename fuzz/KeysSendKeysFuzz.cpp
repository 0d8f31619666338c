// Any text may arrive as a key string: the walk must end normally or with the conversion
// error of a repeat count, and it must never leave a key down.
#include <bitset>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Errors.h"
#include "core/keys/SendKeys.h"

namespace {

// A layout where letters and digits have keys, capitals with Shift, and the rest none.
class StateKeyboard : public vx::Keyboard, public vx::MessageBoxPort {
 public:
  std::bitset<256> down;

  std::uint16_t VkKeyScanA(char c) override {
    if (c >= 'a' && c <= 'z') return static_cast<std::uint16_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint16_t>(0x100 | c);
    if (c >= '0' && c <= '9') return static_cast<std::uint16_t>(c);
    if (c == '!') return 0x631;  // Ctrl+Alt+1
    return vx::NoKey;
  }
  std::uint32_t MapVirtualKeyA(std::uint8_t vk) override { return vk; }
  void KeybdEvent(std::uint8_t vk, std::uint8_t, std::uint32_t flags) override {
    down.set(vk, (flags & 2) == 0);
  }
  std::int16_t GetKeyState(std::uint8_t) override { return 0; }
  vx::KeyStateArray GetKeyboardState() override { return {}; }
  void SetKeyboardState(const vx::KeyStateArray&) override {}
  void MessageBoxA(const std::string&, const std::string&, std::uint32_t) override {}
  void PumpKeyboardMessages() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  StateKeyboard keyboard;
  try {
    vx::SendKeys(text, size % 2 == 0, keyboard, keyboard);
  } catch (const vx::ConvertError&) {
  }
  if (keyboard.down.any()) std::abort();
  return 0;
}
