#include "core/editor/dialogs/UnheldBoxes.h"

namespace vx::editor {

namespace {

// Whether the text row stores comes from control's text (its own box, or a partner such as
// the "Other:" box that only counts while its choice is made): a changed text changes it.
bool StoresTextOf(const ControlBinding& row, int control, const DialogValues& values) {
  DialogValues changed = values;
  changed[static_cast<std::size_t>(control)].text += 'x';
  return row.codec.apply(row.codec, row, changed) != row.codec.apply(row.codec, row, values);
}

}  // namespace

std::optional<int> UnheldControl(DialogMap map, std::uint8_t kind, const DialogValues& values) {
  const auto unheld = [&](int control) {
    return control >= 0 && control < static_cast<int>(values.size()) &&
           !values[static_cast<std::size_t>(control)].held;
  };
  for (const ControlBinding& row : map) {
    if (row.control == NoControl || row.field.slot == Slot::None || !row.kinds.Has(kind)) continue;
    for (const int control : {row.control, row.partner})
      if (unheld(control) && StoresTextOf(row, control, values)) return control;
  }
  return std::nullopt;
}

ApplyRefusal UnheldBoxRefusal(const std::string& caption, const std::string& label,
                              const std::string& shown) {
  return {caption, "The text in \"" + label +
                       "\" has characters outside the system's ANSI code page (shown as "
                       "\"?\"), which this program cannot use:\r\n\r\n" +
                       shown + "\r\n\r\nPlease type it without them."};
}

}  // namespace vx::editor
