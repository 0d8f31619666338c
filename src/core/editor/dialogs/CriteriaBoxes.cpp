#include "core/editor/dialogs/CriteriaBoxes.h"

#include "core/Command.h"

namespace vx::editor {

CriteriaBoxes CriteriaBoxesFrom(const std::string& criteriaText) {
  return CriteriaBoxes{
      GetField(criteriaText, FieldSeparator, 0), GetField(criteriaText, FieldSeparator, 1),
      GetField(criteriaText, FieldSeparator, 2), GetField(criteriaText, FieldSeparator, 3),
      GetField(criteriaText, FieldSeparator, 4)};
}

std::string CriteriaTextOf(const CriteriaBoxes& boxes) {
  const std::string separator(1, FieldSeparator);
  return SubFieldBoxPaste(boxes.name) + separator + SubFieldBoxPaste(boxes.location) + separator +
         SubFieldBoxPaste(boxes.extension) + separator + SubFieldBoxPaste(boxes.sizeLow) +
         separator + SubFieldBoxPaste(boxes.sizeHigh);
}

std::optional<SizeBoxRefusal> CheckCriteriaBoxes(const CriteriaBoxes& boxes) {
  if (auto refusal = CheckSizeBox(SizeBound::Lower, boxes.sizeLow)) return refusal;
  return CheckSizeBox(SizeBound::Upper, boxes.sizeHigh);
}

bool SubFieldBoxTakesKey(char typed) {
  return typed != FieldSeparator;
}

std::string SubFieldBoxPaste(std::string_view pasted) {
  std::string kept;
  kept.reserve(pasted.size());
  for (char c : pasted)
    if (c != FieldSeparator) kept += c;
  return kept;
}

}  // namespace vx::editor
