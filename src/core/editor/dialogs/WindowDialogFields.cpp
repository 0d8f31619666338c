#include "core/editor/dialogs/WindowDialogFields.h"

namespace vx::editor {

namespace {

constexpr int WindowPageIndex = static_cast<int>(WindowPage::Window);
constexpr int MessagePageIndex = static_cast<int>(WindowPage::Message);

constexpr KindSet WindowKindSet{ckCloseAllWindows, ckShowDesktop,    ckKillWindow,    ckCloseWindow,
                                ckMaximizeWindow,  ckMinimizeWindow, ckActivateWindow};

}  // namespace

const std::array<ControlBinding, 4> WindowMapping{{
    {.control = wcWindowName, .page = WindowPageIndex, .field = {Slot::P1}, .kinds = WindowKindSet},
    {.control = wcWindowAction,
     .page = WindowPageIndex,
     .kinds = WindowKindSet,
     .codec = KindChoiceCodec(WindowKinds)},
    {.control = wcMessageText,
     .page = MessagePageIndex,
     .field = {Slot::P1},
     .kinds = {ckShowMessage}},
    {.control = wcMessageType,
     .page = MessagePageIndex,
     .field = {Slot::P2},
     .kinds = {ckShowMessage},
     .codec = ListCodec(MessageTypes)},
}};

WindowPageView FollowWindowLink(WindowPage page, std::uint8_t& currentKind) {
  if (page == WindowPage::Message) {
    currentKind = ckShowMessage;
    return {page, StepKindName(ckShowMessage), StepKindDescription(ckShowMessage)};
  }
  return {page, "Window States", StepKindDescription(ckActivateWindow)};
}

std::optional<WindowPageView> WindowViewOf(std::uint8_t kind) {
  if (kind == ckShowMessage) return FollowWindowLink(WindowPage::Message, kind);
  if (WindowKindSet.Has(kind)) return FollowWindowLink(WindowPage::Window, kind);
  return std::nullopt;
}

}  // namespace vx::editor
