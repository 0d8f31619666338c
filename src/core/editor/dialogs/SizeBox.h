// The two size boxes of the object criteria dialog: kilobyte bounds the player reads as
// 32-bit integers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vx::editor {

// Whether a typed character (as a character message delivers it) reaches a size box:
// digits, Backspace and Enter, and the editing keys Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z so
// that copy and paste still work from the keyboard (a paste goes through SizeBoxPaste).
// Everything else is dropped, Ctrl+A's byte 1 included.
bool SizeBoxTakesKey(char typed);

// What a paste into a size box inserts: the digits of pasted, in order. A number copied
// with blanks or thousands separators ("1,024 ") thus arrives as its digits.
std::string SizeBoxPaste(std::string_view pasted);

enum class SizeBound { Lower, Upper };

// OK refused: the message box to show (warning icon, OK button) and the box to focus.
struct SizeBoxRefusal {
  SizeBound box;
  std::string caption;
  std::string text;
};

// A bound the player could not read as an integer ends its run with a conversion error, so
// OK refuses it: a number above 2147483647, or whatever a hand-made script put in the
// criteria. Empty is no bound and passes.
std::optional<SizeBoxRefusal> CheckSizeBox(SizeBound box, const std::string& text);

}  // namespace vx::editor
