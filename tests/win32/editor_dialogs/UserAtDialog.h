// A user at a dialog of the editor: what the user sees of it (the texts on it, the boxes
// beside its labels) and what the user does there (clicks with the pointer, typing, pasting,
// choosing from a list, answering the system's file and folder choosers), as steps that each
// wait for what the one before brought about. The steps run in whichever modal loop is
// running, the dialog's own or one it opened, so a dialog is driven while it runs.
//
// Controls are found as a user finds them, never through the dialog's members: a button,
// radio button or check box by its caption, a box by the label beside it (right of it on
// its line, or below it), a link by its text. So a control bound to the wrong field, or
// labelled for another, shows in the step it stores.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DesktopHelper.h"
#include "win32/forms/Form.h"
#include "win32/forms/LabelEx.h"
#include "win32/forms/StdControls.h"
#include "win32/system/Win32Clipboard.h"

namespace vxtest {

// ---- what the user sees --------------------------------------------------------------

// A text on a form and where it lies on the screen: the caption of a window (a button,
// radio button, check box, a label that is a window) or a label the form paints.
struct SeenText {
  std::string text;  // without the blanks around it
  RECT screen{};
  HWND window = nullptr;  // null: painted
  bool link = false;      // a painted link that switches the page
};

inline std::string WithoutBlanksAround(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

inline bool IsClass(HWND window, const char* name) {
  char actual[64] = {};
  ::GetClassNameA(window, actual, sizeof actual);
  return ::lstrcmpiA(actual, name) == 0;
}

inline RECT ScreenRect(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r;
}

inline BOOL CALLBACK CollectShown(HWND child, LPARAM data) {
  if (::IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
  return TRUE;
}
inline std::vector<HWND> ShownChildren(HWND form) {
  std::vector<HWND> children;
  ::EnumChildWindows(form, CollectShown, reinterpret_cast<LPARAM>(&children));
  return children;
}

// Every text shown on form now.
inline std::vector<SeenText> SeenTexts(const vx::win32::TForm& form) {
  std::vector<SeenText> seen;
  for (const vx::win32::TControl* control : form.Controls()) {
    const auto* label = dynamic_cast<const vx::win32::TLabel*>(control);
    if (!label || !label->Visible() || !::IsWindowVisible(label->ParentHandle())) continue;
    RECT r = label->Bounds();
    ::MapWindowPoints(label->ParentHandle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    seen.push_back({WithoutBlanksAround(label->Caption()), r, nullptr,
                    dynamic_cast<const vx::win32::TLabelEx*>(control) != nullptr});
  }
  for (const HWND child : ShownChildren(form.Handle())) {
    const std::string text = WithoutBlanksAround(WindowText(child));
    if (!text.empty() && !IsClass(child, "Edit") && !IsClass(child, "ComboBox"))
      seen.push_back({text, ScreenRect(child), child, false});
  }
  return seen;
}

// Where a box is: the text of the label beside it, and, where that text is not the only
// one of its kind on the page, the caption it lies under (an action's radio button).
struct Place {
  std::string label;
  std::string under = {};
};

// The shown label that reads place.label: the only one, or the one nearest below and right
// of the caption place.under; nullopt when there is none.
inline std::optional<SeenText> Seen(const vx::win32::TForm& form, const Place& place) {
  const std::vector<SeenText> seen = SeenTexts(form);
  const SeenText* anchor = nullptr;
  if (!place.under.empty()) {
    for (const SeenText& text : seen)
      if (text.text == place.under) anchor = &text;
    if (!anchor) return std::nullopt;
  }
  std::optional<SeenText> best;
  long bestDistance = LONG_MAX;
  int found = 0;
  for (const SeenText& text : seen) {
    if (text.text != place.label || text.link || &text == anchor) continue;
    ++found;
    long distance = 0;
    if (anchor) {
      const long dx = text.screen.left - anchor->screen.left;
      const long dy = text.screen.top - anchor->screen.top;
      if (dx < -4 || dy < 0) continue;
      distance = dx * dx + dy * dy;
    }
    if (distance < bestDistance) {
      bestDistance = distance;
      best = text;
    }
  }
  // A label shown twice is found only under its caption.
  if (!anchor && found > 1) return std::nullopt;
  return best;
}

// The box a user reads label beside: right of it on its line, or below it; the nearest.
// Boxes are edit boxes, drop-down lists and list boxes.
inline HWND BoxBeside(const vx::win32::TForm& form, const Place& place) {
  const auto label = Seen(form, place);
  if (!label) return nullptr;
  const RECT& l = label->screen;
  const long middle = (l.top + l.bottom) / 2;
  HWND best = nullptr;
  long bestGap = LONG_MAX, bestShift = LONG_MAX;
  for (const HWND box : ShownChildren(form.Handle())) {
    if (!IsClass(box, "Edit") && !IsClass(box, "ComboBox") && !IsClass(box, "ListBox")) continue;
    if (::GetParent(box) != form.Handle() && IsClass(::GetParent(box), "ComboBox")) continue;
    const RECT b = ScreenRect(box);
    long gap = LONG_MAX;
    if (b.top <= middle && middle < b.bottom && b.left > l.left)
      gap = std::max(0L, b.left - l.right);
    else if (b.top >= middle && b.left < l.right && b.right > l.left)
      gap = std::max(0L, b.top - l.bottom);
    const long shift = std::labs(b.left - l.left);
    if (gap < bestGap || (gap == bestGap && shift < bestShift)) {
      best = box;
      bestGap = gap;
      bestShift = shift;
    }
  }
  return best;
}

// The shown window whose caption reads caption (a button, radio button or check box).
inline HWND Captioned(const vx::win32::TForm& form, const std::string& caption) {
  for (const SeenText& text : SeenTexts(form))
    if (text.window && text.text == caption) return text.window;
  return nullptr;
}

// The small button right of box on its line (a browse button).
inline HWND ButtonRightOf(const vx::win32::TForm& form, HWND box) {
  const RECT b = ScreenRect(box);
  const long middle = (b.top + b.bottom) / 2;
  HWND best = nullptr;
  long bestGap = LONG_MAX;
  for (const HWND button : ShownChildren(form.Handle())) {
    if (!IsClass(button, "Button")) continue;
    const RECT r = ScreenRect(button);
    if (r.top > middle || r.bottom <= middle || r.left < b.right - 2) continue;
    if (r.left - b.right < bestGap) {
      bestGap = r.left - b.right;
      best = button;
    }
  }
  return best;
}

// ---- what the user does --------------------------------------------------------------

// A step waits until ready holds (at once when there is no test), then acts (nothing when
// there is no action).
struct UserStep {
  std::string waitingFor;  // said when it never comes
  std::function<bool()> ready;
  std::function<void()> act;
};
using UserSteps = std::vector<UserStep>;

inline UserSteps& operator+=(UserSteps& steps, const UserSteps& more) {
  steps.insert(steps.end(), more.begin(), more.end());
  return steps;
}

namespace user_detail {

inline constexpr auto Patience = std::chrono::seconds(10);

struct Session {
  std::deque<UserStep> steps;
  std::chrono::steady_clock::time_point since;
  int closing = 0;  // after a step waited in vain: attempts left to close what is open
};
inline Session& Current() {
  static Session session;
  return session;
}

inline BOOL CALLBACK CloseIfADialog(HWND window, LPARAM) {
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
      (::GetWindow(window, GW_OWNER) || IsClass(window, "#32770")))
    ::PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// Closes what the steps left open: every shown and enabled window of this thread that
// belongs to a dialog (an owned window, or a system box or chooser).
inline void CALLBACK CloseWhatIsOpen(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  Session& session = Current();
  if (session.closing <= 0) return;
  --session.closing;
  ::EnumThreadWindows(::GetCurrentThreadId(), CloseIfADialog, 0);
  ::SetTimer(nullptr, 0, 200, CloseWhatIsOpen);
}

inline void CALLBACK RunNext(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  Session& session = Current();
  if (session.steps.empty()) return;
  UserStep& step = session.steps.front();
  if (step.ready && !step.ready()) {
    if (std::chrono::steady_clock::now() - session.since < Patience) {
      ::SetTimer(nullptr, 0, 10, RunNext);
      return;
    }
    ADD_FAILURE() << "waited in vain for " << step.waitingFor;
    session.steps.clear();
    session.closing = 50;
    ::SetTimer(nullptr, 0, 0, CloseWhatIsOpen);
    return;
  }
  const std::function<void()> act = std::move(step.act);
  session.steps.pop_front();
  session.since = std::chrono::steady_clock::now();
  if (!session.steps.empty()) ::SetTimer(nullptr, 0, 10, RunNext);
  if (act) act();
}

}  // namespace user_detail

// Runs steps in the modal loops that follow; call before the dialog is shown.
inline void AsUser(UserSteps steps) {
  user_detail::Session& session = user_detail::Current();
  session.steps.assign(steps.begin(), steps.end());
  session.since = std::chrono::steady_clock::now();
  session.closing = 0;
  ::SetTimer(nullptr, 0, 0, user_detail::RunNext);
}

// After the dialog has gone: whether every step ran; the rest are dropped.
inline void FinishAsUser() {
  user_detail::Session& session = user_detail::Current();
  if (!session.steps.empty())
    ADD_FAILURE() << "the dialog went before the user could " << session.steps.front().waitingFor;
  session.steps.clear();
  session.closing = 0;
}

inline UserStep WaitFor(std::string what, std::function<bool()> ready) {
  return {std::move(what), std::move(ready), nullptr};
}

// Keys pressed and released one after the other, as typed.
inline void PressInTurn(const std::vector<WORD>& keys) {
  for (const WORD key : keys) PressKeys({key});
}

// A click with the pointer on the shown window captioned caption; the next step comes once
// the button is released.
inline UserSteps ClickCaptioned(const vx::win32::TForm& form, const std::string& caption) {
  auto clicked = std::make_shared<HWND>();
  return {{"\"" + caption + "\" to click",
           [&form, caption, clicked] { return (*clicked = Captioned(form, caption)) != nullptr; },
           [clicked] { ClickWithPointer(*clicked); }},
          WaitFor("\"" + caption + "\" to be released", [clicked] {
            return !(::SendMessageA(*clicked, BM_GETSTATE, 0, 0) & BST_PUSHED) &&
                   ::GetFocus() == *clicked;
          })};
}

// A radio button or check box clicked until it shows checked; a radio button already
// checked is clicked all the same (which changes nothing).
inline UserSteps CheckOn(const vx::win32::TForm& form, const std::string& caption) {
  UserSteps steps;
  auto checked = std::make_shared<bool>(false);
  steps.push_back(WaitFor("\"" + caption + "\" to click",
                          [&form, caption] { return Captioned(form, caption) != nullptr; }));
  steps.push_back({"", nullptr, [&form, caption, checked] {
                     *checked =
                         ::SendMessageA(Captioned(form, caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
                   }});
  steps += ClickCaptioned(form, caption);
  steps.push_back(WaitFor("\"" + caption + "\" to show its new state", [&form, caption, checked] {
    const bool now = ::SendMessageA(Captioned(form, caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
    // A radio button stays checked; a check box turns.
    const bool radio =
        (::GetWindowLongA(Captioned(form, caption), GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    return radio ? now : now != *checked;
  }));
  return steps;
}

// A click with the pointer on the painted link that reads caption; the next step comes once
// the dialog shows the heading of the page it leads to.
inline UserSteps FollowLink(const vx::win32::TForm& form, const std::string& caption,
                            const std::string& heading) {
  auto at = std::make_shared<POINT>();
  return {{"the link \"" + caption + "\"",
           [&form, caption, at] {
             for (const SeenText& text : SeenTexts(form))
               if (text.link && text.text == caption) {
                 *at = {(text.screen.left + text.screen.right) / 2,
                        (text.screen.top + text.screen.bottom) / 2};
                 return true;
               }
             return false;
           },
           [at] {
             INPUT click[2]{};
             for (int i = 0; i < 2; ++i) {
               click[i].type = INPUT_MOUSE;
               click[i].mi.dx = (at->x * 65536 + ::GetSystemMetrics(SM_CXSCREEN) - 1) /
                                ::GetSystemMetrics(SM_CXSCREEN);
               click[i].mi.dy = (at->y * 65536 + ::GetSystemMetrics(SM_CYSCREEN) - 1) /
                                ::GetSystemMetrics(SM_CYSCREEN);
               click[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE |
                                     (i == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
             }
             ::SendInput(2, click, sizeof(INPUT));
           }},
          WaitFor("the heading \"" + heading + "\"", [&form, heading] {
            for (const SeenText& text : SeenTexts(form))
              if (!text.link && !text.window && text.text == heading) return true;
            return false;
          })};
}

// Clicks into the box beside place and, once it has the focus, does what with it.
inline UserSteps IntoBox(const vx::win32::TForm& form, const Place& place,
                         std::function<void(HWND)> what) {
  auto box = std::make_shared<HWND>();
  const std::string name = "the box beside \"" + place.label + "\"";
  return {{name, [&form, place, box] { return (*box = BoxBeside(form, place)) != nullptr; },
           [box] { ClickWithPointer(*box); }},
          {name + " to take the focus", [box] { return ::GetFocus() == *box; },
           [box, what] { what(*box); }}};
}

// Types text into the box beside place, after erasing what it held.
inline UserSteps TypeInto(const vx::win32::TForm& form, const Place& place, const std::string& text,
                          const std::string& shown) {
  auto box = std::make_shared<HWND>();
  UserSteps steps = IntoBox(form, place, [box, text](HWND into) {
    *box = into;
    const std::size_t held = WindowText(into).size();
    if (held > 0) {
      PressKeys({VK_END});
      PressInTurn(std::vector<WORD>(held, VK_BACK));
    }
    TypeText(text);
  });
  steps.push_back(WaitFor("\"" + shown + "\" beside \"" + place.label + "\"",
                          [box, shown] { return WindowText(*box) == shown; }));
  return steps;
}

// Pastes text into the empty box beside place with Ctrl+V.
inline UserSteps PasteInto(const vx::win32::TForm& form, const Place& place,
                           const std::string& text, const std::string& shown) {
  auto box = std::make_shared<HWND>();
  UserSteps steps = IntoBox(form, place, [box, text](HWND into) {
    *box = into;
    vx::win32::Win32Clipboard clipboard;
    if (clipboard.Open()) {
      clipboard.Empty();
      clipboard.SetText(text);
      clipboard.Close();
    }
    PressKeys({VK_CONTROL, 'V'});
  });
  steps.push_back(WaitFor("\"" + shown + "\" pasted beside \"" + place.label + "\"",
                          [box, shown] { return WindowText(*box) == shown; }));
  return steps;
}

// Opens the drop-down list beside place with a click and chooses item with the keyboard.
inline UserSteps ChooseIn(const vx::win32::TForm& form, const Place& place,
                          const std::string& item) {
  auto list = std::make_shared<HWND>();
  auto index = std::make_shared<LRESULT>(CB_ERR);
  const std::string name = "the list beside \"" + place.label + "\"";
  return {{name, [&form, place, list] { return (*list = BoxBeside(form, place)) != nullptr; },
           [list] { ClickWithPointer(*list); }},
          {name + " to drop down",
           [list] { return ::SendMessageA(*list, CB_GETDROPPEDSTATE, 0, 0) != 0; },
           [list, index, item] {
             *index = ::SendMessageA(*list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(item.c_str()));
             std::vector<WORD> keys = {VK_HOME};
             keys.insert(keys.end(), *index > 0 ? *index : 0, VK_DOWN);
             keys.push_back(VK_RETURN);
             PressInTurn(keys);
           }},
          WaitFor("\"" + item + "\" chosen beside \"" + place.label + "\"", [list, index] {
            return *index != CB_ERR && ::SendMessageA(*list, CB_GETCURSEL, 0, 0) == *index &&
                   !::SendMessageA(*list, CB_GETDROPPEDSTATE, 0, 0);
          })};
}

// The system's file or folder chooser that form opened, once it shows.
inline HWND ChooserOf(const vx::win32::TForm& form) {
  for (const HWND window : FindTopWindows({"#32770", std::nullopt, ::GetCurrentProcessId()}))
    if (::GetWindow(window, GW_OWNER) == form.Handle() && ::IsWindowEnabled(window)) return window;
  return nullptr;
}

// Clicks the browse button right of the box beside place and answers the chooser: a file
// chooser with file, a folder chooser (file empty) with the folder it opens at. The box
// then shows shown.
inline UserSteps BrowseFor(const vx::win32::TForm& form, const Place& place,
                           const std::string& file, const std::string& shown) {
  auto box = std::make_shared<HWND>();
  auto button = std::make_shared<HWND>();
  const std::string name = "the browse button beside \"" + place.label + "\"";
  return {{name,
           [&form, place, box, button] {
             *box = BoxBeside(form, place);
             *button = *box ? ButtonRightOf(form, *box) : nullptr;
             return *button != nullptr;
           },
           [button] { ClickWithPointer(*button); }},
          {"the chooser of " + name, [&form] { return ChooserOf(form) != nullptr; },
           [&form, file] {
             const HWND chooser = ChooserOf(form);
             if (!file.empty()) {
               HWND name = ::GetDlgItem(chooser, 0x47C);  // the file-name box
               if (!name) name = ::GetDlgItem(chooser, 0x480);
               const std::wstring wide(file.begin(), file.end());
               ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
             }
             ::PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                            reinterpret_cast<LPARAM>(::GetDlgItem(chooser, IDOK)));
           }},
          WaitFor("\"" + shown + "\" browsed into the box beside \"" + place.label + "\"",
                  [box, shown] { return WindowText(*box) == shown; })};
}

// A click with the pointer on the button captioned caption that ends the dialog (Apply, OK):
// nothing after it waits for the button.
inline UserSteps Press(const vx::win32::TForm& form, const std::string& caption) {
  return {{"\"" + caption + "\" to press",
           [&form, caption] { return Captioned(form, caption) != nullptr; },
           [&form, caption] { ClickWithPointer(Captioned(form, caption)); }}};
}

// What a user does in a dialog, as a row of a table says it.
namespace user {

struct Entry {
  enum Act {
    TypeText,
    PasteText,
    ClickCaption,
    ChooseItem,
    BrowseFile,
    FollowLink,
    Through,
    Read
  } act;
  Place place;        // the label beside the box; the caption clicked or followed
  std::string value;  // typed, pasted or chosen; the file browsed for (empty: a folder)
  std::string shown;  // what the box then shows
  std::vector<Entry> inside = {};  // Through: what is done in the dialog the button opens
};

inline Entry Type(Place place, std::string text) {
  std::string shown = text;
  return {Entry::TypeText, std::move(place), std::move(text), std::move(shown)};
}
// Types text where the box shows what it takes of it.
inline Entry Type(Place place, std::string text, std::string shown) {
  return {Entry::TypeText, std::move(place), std::move(text), std::move(shown)};
}
inline Entry Paste(Place place, std::string text, std::string shown) {
  return {Entry::PasteText, std::move(place), std::move(text), std::move(shown)};
}
// A radio button or check box clicked: a radio button then shows checked, a check box turns.
inline Entry ClickOn(std::string caption) {
  return {Entry::ClickCaption, {std::move(caption)}, {}, {}};
}
inline Entry Choose(Place place, std::string item) {
  return {Entry::ChooseItem, std::move(place), std::move(item), {}};
}
// The browse button right of the box beside place; file answers a file chooser, an empty
// file takes the folder a folder chooser opens at. The box then shows shown.
inline Entry Browse(Place place, std::string file, std::string shown) {
  return {Entry::BrowseFile, std::move(place), std::move(file), std::move(shown)};
}
// The link that reads caption, to the page headed heading.
inline Entry Link(std::string caption, std::string heading) {
  return {Entry::FollowLink, {std::move(caption)}, {}, std::move(heading)};
}
inline Entry Link(std::string caption) {
  std::string heading = caption;
  return Link(std::move(caption), std::move(heading));
}
// The button inside the list box beside place (a criteria list's), what is done in the
// dialog it opens, and that dialog's OK.
inline Entry Through(Place place, std::vector<Entry> inside) {
  return {Entry::Through, std::move(place), {}, {}, std::move(inside)};
}

// Waits until the dialog shows text (a heading, a label).
inline Entry Reads(std::string text) {
  return {Entry::Read, {std::move(text)}, {}, {}};
}

// The steps of entries on form; opened is the dialog a Through entry's button opens.
inline UserSteps StepsOf(const vx::win32::TForm& form, const std::vector<Entry>& entries,
                         const vx::win32::TForm* opened = nullptr) {
  UserSteps steps;
  for (const Entry& entry : entries) {
    switch (entry.act) {
      case Entry::TypeText:
        steps += vxtest::TypeInto(form, entry.place, entry.value, entry.shown);
        break;
      case Entry::PasteText:
        steps += vxtest::PasteInto(form, entry.place, entry.value, entry.shown);
        break;
      case Entry::ClickCaption:
        steps += vxtest::CheckOn(form, entry.place.label);
        break;
      case Entry::ChooseItem:
        steps += vxtest::ChooseIn(form, entry.place, entry.value);
        break;
      case Entry::BrowseFile:
        steps += vxtest::BrowseFor(form, entry.place, entry.value, entry.shown);
        break;
      case Entry::FollowLink:
        steps += vxtest::FollowLink(form, entry.place.label, entry.shown);
        break;
      case Entry::Read:
        steps.push_back(WaitFor("\"" + entry.place.label + "\" shown", [&form, entry] {
          for (const SeenText& text : SeenTexts(form))
            if (!text.link && text.text == entry.place.label) return true;
          return false;
        }));
        break;
      case Entry::Through: {
        auto list = std::make_shared<HWND>();
        const std::string name = "the button in the list beside \"" + entry.place.label + "\"";
        steps.push_back({name,
                         [&form, place = entry.place, list] {
                           const HWND box = BoxBeside(form, place);
                           *list = box ? ::FindWindowExA(box, nullptr, "Button", nullptr) : nullptr;
                           return *list != nullptr;
                         },
                         [list] { ClickWithPointer(*list); }});
        steps.push_back(WaitFor("the dialog of " + name, [opened] {
          return opened && ::IsWindowVisible(opened->Handle()) &&
                 ::GetForegroundWindow() == opened->Handle();
        }));
        if (opened) {
          steps += StepsOf(*opened, entry.inside);
          steps += Press(*opened, "OK");
        }
        steps.push_back(WaitFor("the dialog of " + name + " to go", [opened] {
          return opened && !::IsWindowVisible(opened->Handle());
        }));
        break;
      }
    }
  }
  return steps;
}

}  // namespace user

}  // namespace vxtest
