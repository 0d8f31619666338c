// How key and mouse messages are packed into a recorded event, and what a player sends for
// each. Recordings made elsewhere rely on this packing, so it never changes:
//
// Key messages (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP):
//   paramL = virtual key (bits 0-7) | scan code (bits 8-15) | extended-key flag (bit 16),
//            the high word of the message's lParam shifted left by 8;
//   paramH = repeat count (bits 0-14) | 0x8000 for an extended key.
// Mouse messages: paramL = screen x, paramH = screen y, both as signed 32-bit values.
// WM_MOUSEWHEEL: the delta has no field of its own, so it travels in the high word of
//   paramH, as the message's own wParam carries it: paramH = (y & 0xFFFF) | (delta << 16),
//   with y and delta signed 16-bit values. Screen positions fit 16 bits.
#pragma once

#include <cstdint>
#include <optional>

#include "core/playback/RecordedEvent.h"

namespace vx {

namespace msg {
inline constexpr std::uint32_t KeyDown = 0x100;
inline constexpr std::uint32_t KeyUp = 0x101;
inline constexpr std::uint32_t SysKeyDown = 0x104;
inline constexpr std::uint32_t SysKeyUp = 0x105;
inline constexpr std::uint32_t MouseMove = 0x200;
inline constexpr std::uint32_t LButtonDown = 0x201;
inline constexpr std::uint32_t LButtonUp = 0x202;
inline constexpr std::uint32_t LButtonDblClk = 0x203;
inline constexpr std::uint32_t RButtonDown = 0x204;
inline constexpr std::uint32_t RButtonUp = 0x205;
inline constexpr std::uint32_t RButtonDblClk = 0x206;
inline constexpr std::uint32_t MButtonDown = 0x207;
inline constexpr std::uint32_t MButtonUp = 0x208;
inline constexpr std::uint32_t MButtonDblClk = 0x209;
inline constexpr std::uint32_t MouseWheel = 0x20A;
}  // namespace msg

// The mouse_event / SendInput flags of the buttons and the wheel.
namespace mouseflag {
inline constexpr std::uint32_t Move = 0x0001;
inline constexpr std::uint32_t LeftDown = 0x0002;
inline constexpr std::uint32_t LeftUp = 0x0004;
inline constexpr std::uint32_t RightDown = 0x0008;
inline constexpr std::uint32_t RightUp = 0x0010;
inline constexpr std::uint32_t MiddleDown = 0x0020;
inline constexpr std::uint32_t MiddleUp = 0x0040;
inline constexpr std::uint32_t Wheel = 0x0800;
}  // namespace mouseflag

RecordedEvent MakeKeyRecord(std::uint32_t message, std::uint8_t vk, std::uint8_t scan,
                            bool extended, std::uint32_t time, std::uint32_t hwnd);
RecordedEvent MakeMouseRecord(std::uint32_t message, std::int32_t x, std::int32_t y,
                              std::uint32_t time, std::uint32_t hwnd);
RecordedEvent MakeWheelRecord(std::int32_t x, std::int32_t y, std::int16_t delta,
                              std::uint32_t time, std::uint32_t hwnd);

// What to send for one recorded event.
struct KeyInput {
  std::uint8_t vk = 0;
  std::uint8_t scan = 0;
  bool extended = false;
  bool up = false;
};
struct MouseInput {
  std::int32_t x = 0;  // the pointer goes here first
  std::int32_t y = 0;
  std::uint32_t buttons = 0;  // mouseflag bits; Move alone for a plain move
  std::int32_t wheel = 0;     // the wheel delta with mouseflag::Wheel
};

std::optional<KeyInput> KeyInputOf(const RecordedEvent& event);
std::optional<MouseInput> MouseInputOf(const RecordedEvent& event);

}  // namespace vx
