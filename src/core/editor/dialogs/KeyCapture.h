// The key capture of the Send Keys text box: a special key pressed in the box is written
// into the key text as its name between braces, so the user types "{F5}" by pressing F5.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vx::editor {

// The text the capture writes for a key, "{" + its name + "}", or nothing when the key-name
// table names no such key. The first name of the table wins ("{BACKSPACE}", never "{BS}").
// Shift, Ctrl and Alt do not matter: Shift+Tab writes "{TAB}".
std::optional<std::string> KeyToken(std::uint32_t virtualKey);

// Whether the capture is on. It starts off with the editor, goes on at every showing of a
// Send Keys step (whatever the check box shows) and follows every click of the check box.
class KeyCapture {
 public:
  bool On() const { return on_; }
  // The dialog shows a step of kind.
  void StepShown(std::uint8_t kind);
  void CheckBoxClicked(bool checked) { on_ = checked; }

  // A key went down in the text box. With a token the box's selection is replaced by it and
  // the key does nothing else (no character, no caret move, no dialog key); without one the
  // key goes on to the box as usual.
  std::optional<std::string> KeyDown(std::uint32_t virtualKey) const;

 private:
  bool on_ = false;
};

}  // namespace vx::editor
