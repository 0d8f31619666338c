// Boxes that hold the name of a file, folder, library or object keep what the user typed or
// pasted whole, also a character the ANSI code page lacks. A step's fields are ANSI bytes,
// and the look-alike a conversion would store ("Lodz.txt" for "Łodz.txt") names another
// file, so Apply refuses such a text and stores nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/editor/dialogs/DialogMapping.h"

namespace vx::editor {

// The control whose text Apply of kind refuses: the first, in table order, whose value is
// not held and whose text a field kind stores is made of. A box of another kind's page, or
// one its choice leaves out (the "Other:" box while a system library is chosen), holds
// nothing Apply stores and never refuses. nullopt when there is none.
std::optional<int> UnheldControl(DialogMap map, std::uint8_t kind, const DialogValues& values);

// The warning for a refused box: captioned as the dialog (caption), naming the box by the
// label the user reads beside it and showing its text with "?" for what the code page lacks.
ApplyRefusal UnheldBoxRefusal(const std::string& caption, const std::string& label,
                              const std::string& shown);

}  // namespace vx::editor
