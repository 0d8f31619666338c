// The window dialog (Tfrmwindow): Show Message and the seven window kinds: its pages,
// links and mapping table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/StepKinds.h"
#include "core/editor/dialogs/DialogMapping.h"

namespace vx::editor {

enum class WindowPage { Window = 0, Message = 1 };

// The items of the message type list, in list order.
inline constexpr std::array<std::string_view, 4> MessageTypes = {"Error", "Information", "Warning",
                                                                 "Question"};

// The kind each window radio button chooses, in the order of the buttons of wcWindowAction
// (top to bottom on the page).
inline constexpr std::array<std::uint8_t, 7> WindowKinds = {
    ckActivateWindow, ckMinimizeWindow, ckMaximizeWindow, ckCloseWindow,
    ckKillWindow,     ckShowDesktop,    ckCloseAllWindows};

// The controls that hold step fields, as the mapping numbers them.
enum WindowControl : int {
  wcWindowName,    // txtwindowname: the window's class name
  wcWindowAction,  // the window radio buttons, in the order of WindowKinds
  wcMessageText,   // txtmsgtext
  wcMessageType,   // cmbmsgtype, a fixed list of MessageTypes
  WindowControlCount
};

// Which control stands for which field of which kind. The form as created has the boxes
// empty, no radio button checked and no message type chosen; closing empties nothing.
// Showing a step rewrites only the controls of its page. The message type is the list item
// equal to p2 without regard to case (none for any other text) and is stored as the item
// reads, empty when none is chosen. Close All Windows and Show Desktop store the window box
// too, although the player never reads it.
extern const std::array<ControlBinding, 4> WindowMapping;

struct WindowPageView {
  WindowPage page = WindowPage::Window;
  std::string title;
  std::string description;
};

// A link was clicked. The message link makes the step a Show Message step; the window link
// leaves the kind to the radio buttons.
WindowPageView FollowWindowLink(WindowPage page, std::uint8_t& currentKind);

// FormShow's view of a step of kind: its page's link; none for a kind the dialog does not
// serve.
std::optional<WindowPageView> WindowViewOf(std::uint8_t kind);

}  // namespace vx::editor
