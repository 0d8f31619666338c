#include "core/editor/dialogs/VariableBox.h"

#include <algorithm>

namespace vx::editor {

namespace {

// The same folding as the player's variable lookup: ASCII and the Latin capitals of the
// ANSI code page, so the box and the player agree on which names are the same.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:  // S caron
    case 0x8C:  // OE
    case 0x8E:  // Z caron
      return static_cast<unsigned char>(c + 16);
    case 0x9F:  // Y diaeresis
      return 0xFF;
    default:
      return c;
  }
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return FoldCase(static_cast<unsigned char>(x)) == FoldCase(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string VariableBox::Text() const {
  return selected && *selected < entries.size() ? entries[*selected] : std::string();
}

std::optional<std::size_t> FindVariableEntry(const std::vector<std::string>& entries,
                                             const std::string& variable) {
  const auto exact = std::find(entries.begin(), entries.end(), variable);
  if (exact != entries.end()) return static_cast<std::size_t>(exact - entries.begin());
  const auto folded = std::find_if(entries.begin(), entries.end(), [&](const std::string& entry) {
    return SameIgnoringCase(entry, variable);
  });
  if (folded != entries.end()) return static_cast<std::size_t>(folded - entries.begin());
  return std::nullopt;
}

VariableBox FillVariableBox(std::vector<std::string> names, const std::string& variable) {
  VariableBox box{std::move(names), std::nullopt};
  box.selected = FindVariableEntry(box.entries, variable);
  return box;
}

VariableBox FillVariableBox(std::vector<std::string> names) {
  return VariableBox{std::move(names), std::nullopt};
}

}  // namespace vx::editor
