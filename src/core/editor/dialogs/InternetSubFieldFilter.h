// Boxes whose text becomes one sub-field of a step field (the log-on data, the recipient and
// subject of a mail) must never hold the separator byte: it would split the value in two
// when the player reads it back, shifting every later sub-field.
#pragma once

#include <string>
#include <string_view>

namespace vx::editor {

// Whether a typed character may enter such a box. Ctrl+A types the separator byte.
bool CanEnterSubField(char c);

// text as it may enter such a box: pasted or set text with every separator byte dropped.
std::string WithoutFieldSeparators(std::string_view text);

}  // namespace vx::editor
