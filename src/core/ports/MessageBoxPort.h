// Message boxes: the one way the steps and the key engine show one.
#pragma once

#include <cstdint>
#include <string>

namespace vx {

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  // MessageBoxA with no owner window and style; returns when the user has closed the box.
  virtual void MessageBoxA(const std::string& text, const std::string& caption,
                           std::uint32_t style) = 0;
};

// The values of the system's style flags that the steps pass through the port.
inline constexpr std::uint32_t MbOk = 0x0;
inline constexpr std::uint32_t MbIconError = 0x10;
inline constexpr std::uint32_t MbIconQuestion = 0x20;
inline constexpr std::uint32_t MbIconWarning = 0x30;
inline constexpr std::uint32_t MbIconInformation = 0x40;
inline constexpr std::uint32_t MbTaskModal = 0x2000;

}  // namespace vx
