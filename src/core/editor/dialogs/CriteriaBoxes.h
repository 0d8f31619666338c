// The five boxes of the object criteria dialog and the criteria text they make.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/StepKinds.h"
#include "core/editor/dialogs/DialogMapping.h"
#include "core/editor/dialogs/SizeBox.h"

namespace vx::editor {

// One box per sub-field, numbered in the order the criteria text holds them.
enum CriteriaControl : int {
  crName,       // txtfname
  crLocation,   // txtflocation
  crExtension,  // txtfextension
  crSizeLow,    // txtfsizelow
  crSizeHigh,   // txtfsizehigh
  CriteriaControlCount
};

// The boxes' texts, numbered by CriteriaControl.
using CriteriaBoxes = DialogValues;

// Each box stands for one sub-field of the criteria, the p1 of an object step.
extern const std::array<ControlBinding, CriteriaControlCount> CriteriaMapping;
// The kind the mapping is read for: every object step carries its criteria alike.
inline constexpr std::uint8_t CriteriaKind = ckCopyObject;

// FormShow: sub-fields 0 to 4; a criteria with fewer (an empty one, a hand-made script)
// leaves the later boxes empty.
CriteriaBoxes CriteriaBoxesFrom(const std::string& criteriaText);

// OK: all five sub-fields joined by the separator, empty ones included, so a criteria
// confirmed with every box empty is four bytes of value 1. A separator byte that reached a
// box anyway is dropped: it would shift every sub-field after it.
std::string CriteriaTextOf(CriteriaBoxes boxes);

// OK is refused while a size box holds what the player cannot read (lower box first).
std::optional<SizeBoxRefusal> CheckCriteriaBoxes(const CriteriaBoxes& boxes);

// Boxes whose text becomes a sub-field (the criteria boxes, and any other dialog's) never
// take the separator byte 1, neither typed (Ctrl+A delivers it) nor pasted.
bool SubFieldBoxTakesKey(char typed);
std::string SubFieldBoxPaste(std::string_view pasted);

}  // namespace vx::editor
