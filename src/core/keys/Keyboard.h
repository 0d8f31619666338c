// The few keyboard calls the key-sending engine makes, at the level of the platform calls
// they stand for, so that the walk of a key string can be checked against a recording fake.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vx {

// A 16-bit key code as a character-to-key translation returns it: virtual key in the low
// byte, shift bits in the high byte (1 Shift, 2 Ctrl, 4 Alt). NoKey means "no such key".
inline constexpr std::uint16_t NoKey = 0xFFFF;

using KeyStateArray = std::array<std::uint8_t, 256>;

class Keyboard {
 public:
  virtual ~Keyboard() = default;

  // The key code of a character on the current layout, NoKey when it has none.
  virtual std::uint16_t VkKeyScanA(char c) = 0;
  // Virtual key to scan code (translation type 0).
  virtual std::uint32_t MapVirtualKeyA(std::uint8_t vk) = 0;
  // One synthetic keyboard event: flags 1 extended, 2 key up.
  virtual void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) = 0;
  // The calling thread's view of a key: bit 0 the toggle, bit 15 down.
  virtual std::int16_t GetKeyState(std::uint8_t vk) = 0;
  virtual KeyStateArray GetKeyboardState() = 0;
  virtual void SetKeyboardState(const KeyStateArray& state) = 0;
  // Removes and dispatches the keyboard messages waiting for the calling thread.
  virtual void PumpKeyboardMessages() = 0;
};

}  // namespace vx
