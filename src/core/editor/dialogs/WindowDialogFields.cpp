#include "core/editor/dialogs/WindowDialogFields.h"

#include "core/StepKinds.h"

namespace vx::editor {

namespace {

bool IsWindowKind(std::uint8_t kind) {
  return kind >= ckCloseAllWindows && kind <= ckActivateWindow;
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

int FindListItem(std::span<const std::string_view> items, std::string_view text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (SameTextIgnoringCase(text, items[i])) return static_cast<int>(i);
  }
  return -1;
}

WindowPageView FollowWindowLink(WindowPage page, std::uint8_t& currentKind) {
  if (page == WindowPage::Message) {
    currentKind = ckShowMessage;
    return {page, StepKindName(ckShowMessage), StepKindDescription(ckShowMessage)};
  }
  return {page, "Window States", StepKindDescription(ckActivateWindow)};
}

void CheckWindowAction(WindowValues& values, std::uint8_t kind, std::uint8_t& currentKind) {
  if (values.windowAction == kind) return;
  values.windowAction = kind;
  currentKind = kind;
}

WindowShown ShowWindowStep(const TCommand& step, std::uint8_t kind, WindowValues& values) {
  WindowShown shown;
  shown.currentKind = kind;
  if (kind == ckShowMessage) {
    values.messageText = step.p1;
    values.messageType = FindListItem(MessageTypes, step.p2);
    shown.view = FollowWindowLink(WindowPage::Message, shown.currentKind);
  } else if (IsWindowKind(kind)) {
    values.windowName = step.p1;
    CheckWindowAction(values, kind, shown.currentKind);
    shown.view = FollowWindowLink(WindowPage::Window, shown.currentKind);
  }
  return shown;
}

void ApplyWindowStep(std::uint8_t kind, const WindowValues& values, TCommand& step) {
  step.kind = kind;
  if (kind == ckShowMessage) {
    step.p1 = values.messageText;
    const bool selected =
        values.messageType >= 0 && values.messageType < static_cast<int>(MessageTypes.size());
    step.p2 = selected ? std::string(MessageTypes[values.messageType]) : std::string();
  } else if (IsWindowKind(kind)) {
    step.p1 = values.windowName;
  }
}

}  // namespace vx::editor
