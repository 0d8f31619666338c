#include "core/editor/dialogs/UserInputDialogFields.h"

#include "core/StepKinds.h"
#include "core/editor/dialogs/WindowDialogFields.h"

namespace vx::editor {

int FindClickType(std::string_view text) {
  return FindListItem(ClickTypes, text);
}

std::string CursorPositionText(std::int32_t x, std::int32_t y) {
  return std::to_string(x) + ", " + std::to_string(y);
}

UserInputPageView FollowUserInputLink(UserInputPage page, std::uint8_t& currentKind) {
  if (page == UserInputPage::Keyboard) {
    currentKind = ckSendKeys;
    return {page, "Control Keyboard", StepKindDescription(ckSendKeys)};
  }
  return {page, "Control Mouse", StepKindDescription(ckMouseMove)};
}

void CheckMouseAction(UserInputValues& values, std::uint8_t kind, std::uint8_t& currentKind) {
  if (values.mouseAction == kind) return;
  values.mouseAction = kind;
  currentKind = kind;
}

UserInputShown ShowUserInputStep(const TCommand& step, std::uint8_t kind, UserInputValues& values,
                                 KeyCapture& capture) {
  UserInputShown shown;
  shown.currentKind = kind;
  switch (kind) {
    case ckSendKeys:
      capture.TurnOn();
      values.keyText = step.p1;
      values.sendCharByChar = step.p2 == "c";
      shown.view = FollowUserInputLink(UserInputPage::Keyboard, shown.currentKind);
      break;
    case ckMouseClick:
      CheckMouseAction(values, ckMouseClick, shown.currentKind);
      values.mousePosition.clear();
      values.clickType = FindClickType(step.p1);
      shown.view = FollowUserInputLink(UserInputPage::Mouse, shown.currentKind);
      break;
    case ckMouseMove:
      CheckMouseAction(values, ckMouseMove, shown.currentKind);
      values.mousePosition = step.p1;
      values.clickType = -1;
      shown.view = FollowUserInputLink(UserInputPage::Mouse, shown.currentKind);
      break;
    default:
      break;
  }
  return shown;
}

void ApplyUserInputStep(std::uint8_t kind, const UserInputValues& values, TCommand& step) {
  step.kind = kind;
  switch (kind) {
    case ckSendKeys:
      step.p1 = values.keyText;
      step.p2.assign(1, values.sendCharByChar ? 'c' : 'a');
      break;
    case ckMouseClick: {
      const bool selected =
          values.clickType >= 0 && values.clickType < static_cast<int>(ClickTypes.size());
      step.p1 = selected ? std::string(ClickTypes[values.clickType]) : std::string();
      break;
    }
    case ckMouseMove:
      step.p1 = values.mousePosition;
      break;
    default:
      break;
  }
}

}  // namespace vx::editor
