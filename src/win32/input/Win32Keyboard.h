// The key-sending engine's keyboard: synthetic events through keybd_event, the layout's
// key codes and scan codes, this thread's key-state array, and the engine's message box.
#pragma once

#include "core/keys/Keyboard.h"

namespace vx::win32 {

class Win32Keyboard : public Keyboard {
 public:
  std::uint16_t VkKeyScanA(char c) override;
  std::uint32_t MapVirtualKeyA(std::uint8_t vk) override;
  void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override;
  std::int16_t GetKeyState(std::uint8_t vk) override;
  KeyStateArray GetKeyboardState() override;
  void SetKeyboardState(const KeyStateArray& state) override;
  void PumpKeyboardMessages() override;
};

}  // namespace vx::win32
