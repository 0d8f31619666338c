#include "core/editor/dialogs/InternetSubFieldFilter.h"

#include "core/Command.h"

namespace vx::editor {

bool CanEnterSubField(char c) {
  return c != FieldSeparator;
}

std::string WithoutFieldSeparators(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (CanEnterSubField(c)) kept += c;
  }
  return kept;
}

}  // namespace vx::editor
