// The window dialog's controls and the step fields they stand for: the message page (text
// and type of Show Message) and the window page (the window's class name and one radio
// button per window kind).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Command.h"

namespace vx::editor {

enum class WindowPage { Window = 0, Message = 1 };

// The items of the message type list, in list order.
inline constexpr std::array<std::string_view, 4> MessageTypes = {"Error", "Information", "Warning",
                                                                 "Question"};

// What the controls hold. The form keeps them between showings; showing a step rewrites
// only the controls of its page.
struct WindowValues {
  std::string windowName;         // class name of the window
  std::uint8_t windowAction = 0;  // the kind of the checked radio button; 0: none checked
  std::string messageText;
  int messageType = -1;  // index into MessageTypes; -1: nothing selected
};

// A drop-down list's own item search: exact but without regard to case (ASCII letters; the
// items are ASCII); the index of the first match, -1 when nothing matches.
int FindListItem(std::span<const std::string_view> items, std::string_view text);

struct WindowPageView {
  WindowPage page = WindowPage::Window;
  std::string title;
  std::string description;
};

// A link was clicked. The message link makes the step a Show Message step; the window link
// leaves the kind to the radio buttons.
WindowPageView FollowWindowLink(WindowPage page, std::uint8_t& currentKind);

// A window radio button was clicked. Only a button that becomes checked changes the kind.
void CheckWindowAction(WindowValues& values, std::uint8_t kind, std::uint8_t& currentKind);

struct WindowShown {
  std::uint8_t currentKind = 0;
  std::optional<WindowPageView> view;  // none for a kind this dialog does not serve
};

// The dialog opens on step (the working step) as kind: the tree's kind when adding, the
// step's own when editing.
WindowShown ShowWindowStep(const TCommand& step, std::uint8_t kind, WindowValues& values);

// Apply: the step becomes a step of kind with p1 (and for Show Message p2) read from the
// controls; every other field stays. Close All Windows and Show Desktop store the window
// box too, although the player never reads it.
void ApplyWindowStep(std::uint8_t kind, const WindowValues& values, TCommand& step);

}  // namespace vx::editor
