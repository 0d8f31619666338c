#include "win32/input/Win32Keyboard.h"

#include <windows.h>

namespace vx::win32 {

std::uint16_t Win32Keyboard::VkKeyScanA(char c) {
  return static_cast<std::uint16_t>(::VkKeyScanA(c));
}

std::uint32_t Win32Keyboard::MapVirtualKeyA(std::uint8_t vk) {
  return ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
}

void Win32Keyboard::KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
  ::keybd_event(vk, scan, flags, 0);
}

std::int16_t Win32Keyboard::GetKeyState(std::uint8_t vk) {
  return ::GetKeyState(vk);
}

KeyStateArray Win32Keyboard::GetKeyboardState() {
  KeyStateArray state{};
  ::GetKeyboardState(state.data());
  return state;
}

void Win32Keyboard::SetKeyboardState(const KeyStateArray& state) {
  KeyStateArray copy = state;  // the call takes a non-const pointer
  ::SetKeyboardState(copy.data());
}

void Win32Keyboard::PumpKeyboardMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 256, 265, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace vx::win32
