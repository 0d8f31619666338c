#include "core/playback/InputHold.h"

namespace vx {

namespace {
constexpr std::uint8_t VkControl = 17;
constexpr std::uint8_t VkLControl = 162;
constexpr std::uint8_t VkRControl = 163;
constexpr std::uint8_t VkEscape = 27;
}  // namespace

HeldInput PhysicalInputFilter::Key(std::uint8_t vk, bool up, bool injected) {
  if (injected) return HeldInput::Pass;
  if (vk == VkControl || vk == VkLControl || vk == VkRControl) ctrlDown_ = !up;
  if (up) return HeldInput::Pass;
  if (vk == VkEscape && ctrlDown_) return HeldInput::Cancel;
  return HeldInput::Hold;
}

}  // namespace vx
