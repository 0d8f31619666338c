#include "core/editor/dialogs/CriteriaBoxes.h"

#include "core/Command.h"
#include "core/StepKinds.h"

namespace vx::editor {

namespace {

constexpr KindSet ObjectKinds{ckCopyObject, ckMoveObject, ckRenameObject, ckRunObject,
                              ckDeleteObject};

constexpr ControlBinding SubFieldBox(CriteriaControl box) {
  return {.control = box,
          .field = {Slot::P1, static_cast<std::int8_t>(box)},
          .kinds = ObjectKinds,
          .codec = SubFieldCodec};
}

// The criteria dialog edits the criteria alone; any object step carries it the same way.
TCommand StepWith(std::string criteria) {
  TCommand step;
  step.kind = CriteriaKind;
  step.p1 = std::move(criteria);
  return step;
}

}  // namespace

const std::array<ControlBinding, CriteriaControlCount> CriteriaMapping{{
    SubFieldBox(crName),
    SubFieldBox(crLocation),
    SubFieldBox(crExtension),
    SubFieldBox(crSizeLow),
    SubFieldBox(crSizeHigh),
}};

CriteriaBoxes CriteriaBoxesFrom(const std::string& criteriaText) {
  CriteriaBoxes boxes = InitialValues(CriteriaMapping, CriteriaControlCount);
  ShowStepValues(CriteriaMapping, StepWith(criteriaText), {}, boxes);
  return boxes;
}

std::string CriteriaTextOf(CriteriaBoxes boxes) {
  boxes.resize(CriteriaControlCount);
  TCommand step = StepWith({});
  ApplyStepValues(CriteriaMapping, step.kind, boxes, step);
  return step.p1;
}

std::optional<SizeBoxRefusal> CheckCriteriaBoxes(const CriteriaBoxes& boxes) {
  const auto text = [&](CriteriaControl box) {
    return box < static_cast<int>(boxes.size()) ? boxes[box].text : std::string();
  };
  if (auto refusal = CheckSizeBox(SizeBound::Lower, text(crSizeLow))) return refusal;
  return CheckSizeBox(SizeBound::Upper, text(crSizeHigh));
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
