// The user input dialog's controls and the step fields they stand for: the mouse page (Move
// Mouse with its position, Click Mouse with its click type) and the keyboard page (the key
// text of Send Keys and how it is sent).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Command.h"
#include "core/editor/dialogs/KeyCapture.h"

namespace vx::editor {

enum class UserInputPage { Mouse = 0, Keyboard = 1 };

// The click types the player knows, in the sorted order of the click type list.
inline constexpr std::array<std::string_view, 12> ClickTypes = {
    "Left Button Click",         "Left Button Double Click", "Left Button Hold",
    "Left Button Release",       "Middle Button Click",      "Middle Button Double Click",
    "Middle Button Hold",        "Middle Button Release",    "Right Button Click",
    "Right Button Double Click", "Right Button Hold",        "Right Button Release"};

// The click type list's own item search: exact but without regard to case; -1 for none.
int FindClickType(std::string_view text);

// What the controls hold. The form keeps them between showings; showing a step rewrites
// only the controls of its kind. The defaults are the controls' state when the form is
// created.
struct UserInputValues {
  std::uint8_t mouseAction = 209;  // the kind of the checked mouse radio button
  std::string mousePosition;
  int clickType = -1;  // index into ClickTypes; -1: nothing selected
  std::string keyText;
  bool sendCharByChar = true;  // "Send character by character"; else "Send Whole at once"
  bool captureChecked = true;  // the check box; the capture itself is KeyCapture
};

// The position capture's text for a cursor at screen point (x, y): "312, 480", the form
// the player reads back (X, a comma, Y; blanks before a number are skipped).
std::string CursorPositionText(std::int32_t x, std::int32_t y);

struct UserInputPageView {
  UserInputPage page = UserInputPage::Mouse;
  std::string title;
  std::string description;
};

// A link was clicked. The keyboard link makes the step a Send Keys step; the mouse link
// keeps the kind (the radio buttons choose it), and always describes Mouse Move.
UserInputPageView FollowUserInputLink(UserInputPage page, std::uint8_t& currentKind);

// A mouse radio button was clicked. Only a button that becomes checked changes the kind.
void CheckMouseAction(UserInputValues& values, std::uint8_t kind, std::uint8_t& currentKind);

struct UserInputShown {
  std::uint8_t currentKind = 0;
  std::optional<UserInputPageView> view;  // none for a kind this dialog does not serve
};

// The dialog opens on step (the working step) as kind: the tree's kind when adding, the
// step's own when editing. A Send Keys step turns the key capture on every time, whatever
// the check box shows. Only "c" is character by character: a capital "C", like an empty
// mode, shows as "send whole".
UserInputShown ShowUserInputStep(const TCommand& step, std::uint8_t kind, UserInputValues& values,
                                 KeyCapture& capture);

// Apply: the step becomes a step of kind with p1 (and for Send Keys p2) read from the
// controls; every other field stays, so a Send Keys step made a mouse step keeps its p2.
void ApplyUserInputStep(std::uint8_t kind, const UserInputValues& values, TCommand& step);

}  // namespace vx::editor
