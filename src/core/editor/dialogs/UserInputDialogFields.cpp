#include "core/editor/dialogs/UserInputDialogFields.h"

namespace vx::editor {

namespace {

constexpr FieldRef P1{Slot::P1};
constexpr FieldRef P2{Slot::P2};
constexpr int MousePage = static_cast<int>(UserInputPage::Mouse);
constexpr int KeyboardPage = static_cast<int>(UserInputPage::Keyboard);

constexpr std::string_view SendModeCodes[] = {"c", "a"};

}  // namespace

const std::array<ControlBinding, 5> UserInputMapping{{
    {.control = uiMouseAction,
     .page = MousePage,
     .kinds = {ckMouseMove, ckMouseClick},
     .codec = KindChoiceCodec(MouseActionKinds),
     .indexAtStart = 0},
    {.control = uiMousePosition,
     .page = MousePage,
     .field = P1,
     .kinds = {ckMouseMove},
     .shownFor = {ckMouseClick}},
    {.control = uiClickType,
     .page = MousePage,
     .field = P1,
     .kinds = {ckMouseClick},
     .shownFor = {ckMouseMove},
     .codec = ListCodec(ClickTypes)},
    {.control = uiKeyText, .page = KeyboardPage, .field = P1, .kinds = {ckSendKeys}},
    {.control = uiSendMode,
     .page = KeyboardPage,
     .field = P2,
     .kinds = {ckSendKeys},
     .codec = ChoiceCodec(SendModeCodes, sendWhole),
     .indexAtStart = sendCharByChar},
}};

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

std::optional<UserInputPageView> UserInputViewOf(std::uint8_t kind) {
  std::uint8_t current = kind;
  switch (kind) {
    case ckSendKeys:
      return FollowUserInputLink(UserInputPage::Keyboard, current);
    case ckMouseClick:
    case ckMouseMove:
      return FollowUserInputLink(UserInputPage::Mouse, current);
    default:
      return std::nullopt;
  }
}

}  // namespace vx::editor
