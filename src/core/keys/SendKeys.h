// The key-sending engine: turns a key string into synthetic keyboard events.
//
// Syntax: "+", "^" and "%" hold Shift, Ctrl and Alt for the next key (or, inside "(...)",
// until the ")"); "~" is Enter; "{NAME}" or "{NAME count}" is a named key or a single
// character, repeated; "{{}" and "{}}" are the braces themselves. Any other character is
// typed as the current keyboard layout produces it.
#pragma once

#include <string>

#include "core/keys/Keyboard.h"
#include "core/ports/MessageBoxPort.h"

namespace vx {

// Sends the keys of text, which ends at its first NUL byte. False when the text is empty
// or a "{" has no closing "}" (the rest is not sent); true otherwise, also when some keys
// had no key on the layout. With wait set, the calling thread's own keyboard messages are
// dispatched after every event. Errors in the text are shown in boxes.
//
// No key pressed by "+", "^" or "%" is left down: they are released before SendKeys
// returns or an error (a repeat count that is not an integer) leaves it.
bool SendKeys(const std::string& text, bool wait, Keyboard& keyboard, MessageBoxPort& boxes);

}  // namespace vx
