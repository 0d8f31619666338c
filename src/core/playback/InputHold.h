// While a playback runs it owns the desktop's input: the user's own keys and mouse are held
// back, the playback's injected events pass, and Ctrl+Esc cancels the playback.
#pragma once

#include <cstdint>

namespace vx {

enum class HeldInput { Pass, Hold, Cancel };

class PhysicalInputFilter {
 public:
  // A keyboard event of the desktop. Releases always pass: holding back the key-up of a
  // key that was down when the playback started would leave it down for good.
  HeldInput Key(std::uint8_t vk, bool up, bool injected);
  // A mouse event; up says it releases a button.
  HeldInput Mouse(bool up, bool injected) const {
    return injected || up ? HeldInput::Pass : HeldInput::Hold;
  }

 private:
  bool ctrlDown_ = false;  // the user's own Ctrl, which the system never sees go down
};

}  // namespace vx
