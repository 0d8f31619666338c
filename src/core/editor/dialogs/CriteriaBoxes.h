// The five boxes of the object criteria dialog and the criteria text they make.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/editor/dialogs/SizeBox.h"

namespace vx::editor {

// One box per sub-field, in the order the criteria text holds them.
struct CriteriaBoxes {
  std::string name;       // txtfname
  std::string location;   // txtflocation
  std::string extension;  // txtfextension
  std::string sizeLow;    // txtfsizelow
  std::string sizeHigh;   // txtfsizehigh

  bool operator==(const CriteriaBoxes&) const = default;
};

// FormShow: sub-fields 0 to 4; a criteria with fewer (an empty one, a hand-made script)
// leaves the later boxes empty.
CriteriaBoxes CriteriaBoxesFrom(const std::string& criteriaText);

// OK: all five sub-fields joined by the separator, empty ones included, so a criteria
// confirmed with every box empty is four bytes of value 1. A separator byte that reached a
// box anyway is dropped: it would shift every sub-field after it.
std::string CriteriaTextOf(const CriteriaBoxes& boxes);

// OK is refused while a size box holds what the player cannot read (lower box first).
std::optional<SizeBoxRefusal> CheckCriteriaBoxes(const CriteriaBoxes& boxes);

// Boxes whose text becomes a sub-field (the criteria boxes, and any other dialog's) never
// take the separator byte 1, neither typed (Ctrl+A delivers it) nor pasted.
bool SubFieldBoxTakesKey(char typed);
std::string SubFieldBoxPaste(std::string_view pasted);

}  // namespace vx::editor
