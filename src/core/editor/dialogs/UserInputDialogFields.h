// The user input dialog (Tfrmuserinput): the mouse page (Move Mouse with its position, Click
// Mouse with its click type) and the keyboard page (the key text of Send Keys and how it is
// sent): its pages, links and mapping table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/StepKinds.h"
#include "core/editor/dialogs/DialogMapping.h"

namespace vx::editor {

enum class UserInputPage { Mouse = 0, Keyboard = 1 };

// The click types the player knows, in the sorted order of the click type list.
inline constexpr std::array<std::string_view, 12> ClickTypes = {
    "Left Button Click",         "Left Button Double Click", "Left Button Hold",
    "Left Button Release",       "Middle Button Click",      "Middle Button Double Click",
    "Middle Button Hold",        "Middle Button Release",    "Right Button Click",
    "Right Button Double Click", "Right Button Hold",        "Right Button Release"};

// The mouse page's radio buttons, top to bottom ("Move Mouse", "Click Mouse"): the kind
// each one makes the step.
inline constexpr std::array<std::uint8_t, 2> MouseActionKinds = {ckMouseMove, ckMouseClick};

// The controls that hold step fields, as the mapping numbers them.
enum UserInputControl : int {
  uiMouseAction,    // rbmousemove, rbmouseclick (MouseActionKinds)
  uiMousePosition,  // txtmousepos
  uiClickType,      // cmbclicktype (ClickTypes)
  uiKeyText,        // txtsendkeys
  uiSendMode,       // rbsendkeyschar, rbsendkeysall
  UserInputControlCount
};
enum SendMode : int { sendCharByChar, sendWhole };

// Which control stands for which field of which kind. The form as created has "Move Mouse"
// and "Send character by character" checked; closing empties nothing. The two mouse kinds
// share p1: showing a Mouse Click empties the position box and showing a Mouse Move clears
// the click type. The click type is found without regard to case and stored as the list
// writes it. Only "c" is character by character: a capital "C", like an empty mode, shows
// as "send whole", which stores "a".
extern const std::array<ControlBinding, 5> UserInputMapping;

// The position capture's text for a cursor at screen point (x, y): "312, 480", the form
// the player reads back (X, a comma, Y; blanks before a number are skipped).
std::string CursorPositionText(std::int32_t x, std::int32_t y);

// The page shown and the heading (lblinfocaption, lblinfo).
struct UserInputPageView {
  UserInputPage page = UserInputPage::Mouse;
  std::string title;
  std::string description;
};

// A link was clicked. The keyboard link makes the step a Send Keys step; the mouse link
// keeps the kind (the radio buttons choose it), and always describes Mouse Move.
UserInputPageView FollowUserInputLink(UserInputPage page, std::uint8_t& currentKind);
// FormShow's view of a step of kind: its page's link; none for a kind this dialog does not
// serve (the page and heading stay as they were).
std::optional<UserInputPageView> UserInputViewOf(std::uint8_t kind);

}  // namespace vx::editor
