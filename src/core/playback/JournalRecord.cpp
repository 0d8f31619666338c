#include "core/playback/JournalRecord.h"

namespace vx {

RecordedEvent MakeKeyRecord(std::uint32_t message, std::uint8_t vk, std::uint8_t scan,
                            bool extended, std::uint32_t time, std::uint32_t hwnd) {
  const std::uint32_t paramL =
      vk | (static_cast<std::uint32_t>(scan) << 8) | (extended ? 0x10000u : 0u);
  const std::uint32_t paramH = 1u | (extended ? 0x8000u : 0u);
  return {message, paramL, paramH, time, hwnd};
}

RecordedEvent MakeMouseRecord(std::uint32_t message, std::int32_t x, std::int32_t y,
                              std::uint32_t time, std::uint32_t hwnd) {
  return {message, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), time, hwnd};
}

RecordedEvent MakeWheelRecord(std::int32_t x, std::int32_t y, std::int16_t delta,
                              std::uint32_t time, std::uint32_t hwnd) {
  const std::uint32_t paramH =
      (static_cast<std::uint32_t>(y) & 0xFFFF) |
      (static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16);
  return {msg::MouseWheel, static_cast<std::uint32_t>(x), paramH, time, hwnd};
}

std::optional<KeyInput> KeyInputOf(const RecordedEvent& event) {
  const std::uint32_t m = event.message;
  if (m != msg::KeyDown && m != msg::KeyUp && m != msg::SysKeyDown && m != msg::SysKeyUp) {
    return std::nullopt;
  }
  KeyInput key;
  key.vk = static_cast<std::uint8_t>(event.paramL & 0xFF);
  key.scan = static_cast<std::uint8_t>((event.paramL >> 8) & 0xFF);
  key.extended = (event.paramL & 0x10000) != 0 || (event.paramH & 0x8000) != 0;
  key.up = m == msg::KeyUp || m == msg::SysKeyUp;
  return key;
}

std::optional<MouseInput> MouseInputOf(const RecordedEvent& event) {
  MouseInput mouse;
  mouse.x = static_cast<std::int32_t>(event.paramL);
  mouse.y = static_cast<std::int32_t>(event.paramH);
  switch (event.message) {
    case msg::MouseMove:
      mouse.buttons = mouseflag::Move;
      break;
    case msg::LButtonDown:
    case msg::LButtonDblClk:
      mouse.buttons = mouseflag::LeftDown;
      break;
    case msg::LButtonUp:
      mouse.buttons = mouseflag::LeftUp;
      break;
    case msg::RButtonDown:
    case msg::RButtonDblClk:
      mouse.buttons = mouseflag::RightDown;
      break;
    case msg::RButtonUp:
      mouse.buttons = mouseflag::RightUp;
      break;
    case msg::MButtonDown:
    case msg::MButtonDblClk:
      mouse.buttons = mouseflag::MiddleDown;
      break;
    case msg::MButtonUp:
      mouse.buttons = mouseflag::MiddleUp;
      break;
    case msg::MouseWheel:
      mouse.y = static_cast<std::int16_t>(event.paramH & 0xFFFF);
      mouse.wheel = static_cast<std::int16_t>(event.paramH >> 16);
      mouse.buttons = mouseflag::Wheel;
      break;
    default:
      return std::nullopt;
  }
  return mouse;
}

}  // namespace vx
