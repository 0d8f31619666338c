// A user at a dialog of the editor: what the user sees of it and what the user does there,
// as steps that each wait for what the one before brought about. The steps run in whichever
// modal loop runs, the dialog's own or one it opened, so a dialog is driven while it runs.
//
// Controls are found as a user finds them, never through the dialog's members: a button,
// radio button or check box by its caption, a link by its text, a box by the label beside
// it (right of it on its line, or below it). So a control bound to the wrong field, or
// labelled for another, shows in the step it stores.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// windows.h must come before commctrl.h.
#include <commctrl.h>

#include <chrono>
#include <climits>
#include <cstring>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DesktopHelper.h"
#include "win32/editor_dialogs/DialogRig.h"
#include "win32/forms/Form.h"
#include "win32/forms/LabelEx.h"
#include "win32/system/Win32Clipboard.h"

namespace vxtest {

using vx::win32::TForm;

// ---- what the user sees --------------------------------------------------------------

// A text shown on a form and where it lies on the screen: the caption of a window (a
// button, a label that is a window) or a label the form paints.
struct SeenText {
  std::string text;  // without the blanks around it
  RECT screen{};
  HWND window = nullptr;  // null: painted
  bool link = false;      // a painted link to a page
};

inline bool IsClass(HWND window, const char* name) {
  char actual[64] = {};
  ::GetClassNameA(window, actual, sizeof actual);
  return ::lstrcmpiA(actual, name) == 0;
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

inline std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

inline std::vector<SeenText> SeenTexts(const TForm& form) {
  std::vector<SeenText> seen;
  for (const vx::win32::TControl* control : form.Controls()) {
    const auto* label = dynamic_cast<const vx::win32::TLabel*>(control);
    if (!label || !label->Visible() || !::IsWindowVisible(label->ParentHandle())) continue;
    RECT r = label->Bounds();
    ::MapWindowPoints(label->ParentHandle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    seen.push_back({Trimmed(label->Caption()), r, nullptr,
                    dynamic_cast<const vx::win32::TLabelEx*>(control) != nullptr});
  }
  for (const HWND child : ShownChildren(form.Handle())) {
    RECT r{};
    ::GetWindowRect(child, &r);
    if (!IsClass(child, "Edit") && !IsClass(child, "ComboBox"))
      seen.push_back({Trimmed(WindowText(child)), r, child, false});
  }
  return seen;
}

// A label's text and, where the page shows that text more than once, the caption it lies
// under (the radio button of an action).
struct Place {
  std::string label;
  std::string under = {};
};

// The shown text that reads place.label (a painted link only when link): the only one, or
// the nearest below and right of the caption place.under.
inline std::optional<SeenText> Seen(const TForm& form, const Place& place, bool link = false) {
  const std::vector<SeenText> seen = SeenTexts(form);
  std::optional<SeenText> anchor, found;
  for (const SeenText& text : seen)
    if (!place.under.empty() && text.text == place.under) anchor = text;
  if (!place.under.empty() && !anchor) return std::nullopt;
  long nearest = LONG_MAX;
  int count = 0;
  for (const SeenText& text : seen) {
    if (text.text != place.label || text.link != link) continue;
    ++count;
    const long dx = anchor ? text.screen.left - anchor->screen.left : 0;
    const long dy = anchor ? text.screen.top - anchor->screen.top : 0;
    if (dx < -4 || dy < 0 || (anchor && dy == 0 && dx == 0) || dx * dx + dy * dy >= nearest)
      continue;
    nearest = dx * dx + dy * dy;
    found = text;
  }
  return anchor || count == 1 ? found : std::nullopt;
}

// The nearest shown window of one of classes right of r on its line or, when below is
// set, under it.
inline HWND NearestBeside(const TForm& form, const RECT& r,
                          std::initializer_list<const char*> classes, bool below) {
  const long middle = (r.top + r.bottom) / 2;
  HWND best = nullptr;
  long bestGap = LONG_MAX;
  for (const HWND window : ShownChildren(form.Handle())) {
    bool wanted = false;
    for (const char* name : classes) wanted = wanted || IsClass(window, name);
    RECT w{};
    ::GetWindowRect(window, &w);
    long gap = LONG_MAX;
    if (w.top <= middle && middle < w.bottom && w.left > r.left)
      gap = std::max(0L, w.left - r.right) * 1000;
    else if (below && w.top >= middle && w.left < r.right && w.right > r.left)
      gap = std::max(0L, w.top - r.bottom) * 1000 + std::labs(w.left - r.left);
    if (wanted && gap < bestGap) {
      best = window;
      bestGap = gap;
    }
  }
  return best;
}

// The box (edit box, drop-down list, list box) beside the label at place.
inline HWND BoxBeside(const TForm& form, const Place& place) {
  const auto label = Seen(form, place);
  return label ? NearestBeside(form, label->screen, {"Edit", "ComboBox", "ListBox"}, true)
               : nullptr;
}

// The shown window captioned caption (a button, radio button or check box).
inline HWND Captioned(const TForm& form, const std::string& caption) {
  const auto seen = Seen(form, {caption});
  return seen ? seen->window : nullptr;
}

// Whether the form paints text (a label, its heading).
inline bool Shows(const TForm& form, const std::string& text) {
  const auto seen = Seen(form, {text});
  return seen && !seen->window;
}

// ---- steps ---------------------------------------------------------------------------

// A step waits until ready holds (at once when there is no test), then acts.
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

struct Session {
  std::deque<UserStep> steps;
  std::chrono::steady_clock::time_point since;
  int closing = 0;  // after a step waited in vain: tries left to close what is open
};
inline Session& Current() {
  static Session session;
  return session;
}

// A dialog, a message box or a chooser left open is closed as its close box would.
inline BOOL CALLBACK CloseIfADialog(HWND window, LPARAM) {
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
      (::GetWindow(window, GW_OWNER) || IsClass(window, "#32770")))
    ::PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}
inline void CALLBACK CloseWhatIsOpen(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  if (Current().closing-- <= 0) return;
  ::EnumThreadWindows(::GetCurrentThreadId(), CloseIfADialog, 0);
  ::SetTimer(nullptr, 0, 200, CloseWhatIsOpen);
}

inline void CALLBACK RunNext(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  Session& session = Current();
  if (session.steps.empty()) return;
  const UserStep& step = session.steps.front();
  if (step.ready && !step.ready()) {
    if (std::chrono::steady_clock::now() - session.since < std::chrono::seconds(10)) {
      ::SetTimer(nullptr, 0, 10, RunNext);
      return;
    }
    ADD_FAILURE() << "waited in vain for " << step.waitingFor;
    session.steps.clear();
    session.closing = 50;
    ::SetTimer(nullptr, 0, 0, CloseWhatIsOpen);
    return;
  }
  const std::function<void()> act = step.act;
  session.steps.pop_front();
  session.since = std::chrono::steady_clock::now();
  if (!session.steps.empty()) ::SetTimer(nullptr, 0, 10, RunNext);
  if (act) act();
}

}  // namespace user_detail

// Runs steps in the modal loops that follow; given before the dialog shows.
inline void AsUser(const UserSteps& steps) {
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
}

inline UserStep WaitFor(std::string what, std::function<bool()> ready) {
  return {std::move(what), std::move(ready), nullptr};
}

// ---- what the user does --------------------------------------------------------------

// The real pointer moved to a point of the screen, and there pressed and released when
// click: each event carries the point (a separate SetCursorPos can still be on its way when
// the button goes down).
inline void PointerAt(POINT screen, bool click) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT events[3] = {};
  const DWORD kinds[3] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  for (int i = 0; i < 3; ++i) {
    events[i].type = INPUT_MOUSE;
    events[i].mi.dx = ::MulDiv(screen.x, 65536, width) + 1;
    events[i].mi.dy = ::MulDiv(screen.y, 65536, height) + 1;
    events[i].mi.dwFlags = kinds[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  ::SendInput(click ? 3 : 1, events, sizeof(INPUT));
}
inline void ClickOnScreen(const RECT& r) {
  PointerAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, true);
}

// Waits for what find finds, then clicks it with the pointer; found keeps it for the steps
// after.
inline UserStep ClickFound(std::string what, std::function<HWND()> find,
                           std::shared_ptr<HWND> found = std::make_shared<HWND>()) {
  return {std::move(what), [find, found] { return (*found = find()) != nullptr; },
          [found] {
            RECT r{};
            ::GetWindowRect(*found, &r);
            ClickOnScreen(r);
          }};
}

inline bool Checked(HWND button) {
  return ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

namespace user {

// One thing a user does on form (opened: the dialog its button opens, for Through).
using Entry = std::function<UserSteps(const TForm& form, const TForm* opened)>;

inline UserSteps StepsOf(const TForm& form, const std::vector<Entry>& entries,
                         const TForm* opened = nullptr) {
  UserSteps steps;
  for (const Entry& entry : entries) steps += entry(form, opened);
  return steps;
}

// Clicks into the box beside place, keys in what into it, and waits until shows says it
// shows what it should (said as shown).
inline Entry IntoBox(Place place, std::function<void(HWND box)> what,
                     std::function<bool(HWND box)> shows, std::string shown) {
  return [=](const TForm& form, const TForm*) {
    auto box = std::make_shared<HWND>();
    const std::string name = "the box beside \"" + place.label + "\"";
    return UserSteps{ClickFound(
                         name, [&form, place] { return BoxBeside(form, place); }, box),
                     {name + " to take the focus", [box] { return ::GetFocus() == *box; },
                      [box, what] { what(*box); }},
                     WaitFor(shown + " in " + name, [box, shows] { return shows(*box); })};
  };
}
// Waits until the box shows shown in the ANSI code page.
inline Entry IntoBox(Place place, std::function<void(HWND box)> what, std::string shown) {
  return IntoBox(
      std::move(place), std::move(what), [shown](HWND box) { return WindowText(box) == shown; },
      shown);
}
// Waits until the box holds shown whole.
inline Entry IntoBox(Place place, std::function<void(HWND box)> what, std::wstring shown) {
  return IntoBox(
      std::move(place), std::move(what), [shown](HWND box) { return WideWindowText(box) == shown; },
      Narrow(shown.c_str()));
}
// Types text after erasing what the box held; the box then shows shown (what it takes of text).
inline Entry Type(Place place, std::string text, std::optional<std::string> shown = {}) {
  return IntoBox(
      place,
      [text](HWND box) {
        // Erased with the keys a user would press (a box with the key capture on turns
        // them into text, so an empty box gets none).
        if (const std::size_t held = WindowText(box).size(); held > 0) {
          PressKeys({VK_END});
          for (std::size_t i = 0; i < held; ++i) PressKeys({VK_BACK});
        }
        TypeText(text);
      },
      shown.value_or(text));
}
// Pastes text with Ctrl+V.
inline Entry Paste(Place place, std::string text, std::string shown) {
  return IntoBox(
      place,
      [text](HWND) {
        vx::win32::Win32Clipboard clipboard;
        if (clipboard.Open()) {
          clipboard.Empty();
          clipboard.SetText(text);
          clipboard.Close();
        }
        PressKeys({VK_CONTROL, 'V'});
      },
      std::move(shown));
}

// Types or pastes text that may hold what the ANSI code page lacks (each character typed as
// itself; a paste of the clipboard's Unicode text, as another program leaves it).
inline Entry TypeWhole(Place place, std::wstring text) {
  return IntoBox(
      std::move(place), [text](HWND) { TypeText(text); }, text);
}
inline Entry PasteWhole(Place place, std::wstring text) {
  return IntoBox(
      std::move(place),
      [text](HWND) {
        vx::win32::Win32Clipboard clipboard;
        if (!clipboard.Open()) return;
        clipboard.Empty();
        const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        if (const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
          std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
          ::GlobalUnlock(memory);
          if (!::SetClipboardData(CF_UNICODETEXT, memory)) ::GlobalFree(memory);
        }
        clipboard.Close();
        PressKeys({VK_CONTROL, 'V'});
      },
      text);
}

// Clicks the radio button or check box captioned caption: a radio button then shows
// checked (it may have been before), a check box turns.
inline Entry ClickOn(std::string caption) {
  return [caption](const TForm& form, const TForm*) {
    auto button = std::make_shared<HWND>();
    auto before = std::make_shared<bool>();
    return UserSteps{{"\"" + caption + "\"",
                      [&form, caption, button] { return (*button = Captioned(form, caption)); },
                      [button, before] {
                        *before = Checked(*button);
                        RECT r{};
                        ::GetWindowRect(*button, &r);
                        ClickOnScreen(r);
                      }},
                     WaitFor("\"" + caption + "\" to show its new state", [button, before] {
                       const bool radio = (::GetWindowLongA(*button, GWL_STYLE) & BS_TYPEMASK) ==
                                          BS_AUTORADIOBUTTON;
                       return ::GetFocus() == *button &&
                              (radio ? Checked(*button) : Checked(*button) != *before);
                     })};
  };
}

// Clicks the painted link that reads caption and waits for the page headed heading.
inline Entry Link(std::string caption, std::string heading = {}) {
  if (heading.empty()) heading = caption;
  return [caption, heading](const TForm& form, const TForm*) {
    auto at = std::make_shared<RECT>();
    return UserSteps{{"the link \"" + caption + "\"",
                      [&form, caption, at] {
                        const auto link = Seen(form, {caption}, true);
                        if (link) *at = link->screen;
                        return link.has_value();
                      },
                      [at] { ClickOnScreen(*at); }},
                     WaitFor("the heading \"" + heading + "\"",
                             [&form, heading] { return Shows(form, heading); })};
  };
}

// Opens the drop-down list beside place with a click and chooses item with the keyboard.
inline Entry Choose(Place place, std::string item) {
  return [place, item](const TForm& form, const TForm*) {
    auto list = std::make_shared<HWND>();
    auto index = std::make_shared<LRESULT>(CB_ERR);
    const std::string name = "the list beside \"" + place.label + "\"";
    return UserSteps{ClickFound(
                         name, [&form, place] { return BoxBeside(form, place); }, list),
                     {name + " to drop down",
                      [list] { return ::SendMessageA(*list, CB_GETDROPPEDSTATE, 0, 0) != 0; },
                      [list, index, item] {
                        *index = ::SendMessageA(*list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(item.c_str()));
                        PressKeys({VK_HOME});
                        for (LRESULT i = 0; i < *index; ++i) PressKeys({VK_DOWN});
                        PressKeys({VK_RETURN});
                      }},
                     WaitFor("\"" + item + "\" chosen in " + name, [list, index] {
                       return *index != CB_ERR &&
                              ::SendMessageA(*list, CB_GETCURSEL, 0, 0) == *index &&
                              !::SendMessageA(*list, CB_GETDROPPEDSTATE, 0, 0);
                     })};
  };
}

// The message box that what brought up over form: read into said and closed with a click on
// its OK, after which form is there again to take the next step.
inline UserSteps AnswerBox(const TForm& form, const std::string& what,
                           std::shared_ptr<AnsweredBox> said) {
  const auto box = [] { return FindMessageBox({.processId = ::GetCurrentProcessId()}); };
  return {{"the message box of " + what, [box] { return box() != nullptr; },
           [box, said] {
             const HWND shown = box();
             *said = {Caption(shown), MessageBoxText(shown)};
             RECT r{};
             ::GetWindowRect(::GetDlgItem(shown, IDOK), &r);
             ClickOnScreen(r);
           }},
          WaitFor("the message box of " + what + " to go and leave the form open", [&form, box] {
            return !box() && ::IsWindowVisible(form.Handle()) && ::IsWindowEnabled(form.Handle());
          })};
}

// ---- the system's choosers, as a dialog's browse button opens them -------------------

// The enabled chooser (a system dialog) that form opened; null when there is none.
inline HWND ChooserOf(const TForm& form) {
  for (const HWND window : FindTopWindows({"#32770", std::nullopt, ::GetCurrentProcessId()}))
    if (::GetWindow(window, GW_OWNER) == form.Handle() && ::IsWindowEnabled(window)) return window;
  return nullptr;
}

// A folder chooser's tree; its items are this process's, so their texts can be read straight.
inline HWND ChooserTree(HWND chooser) {
  return chooser ? ::FindWindowExW(chooser, nullptr, WC_TREEVIEWW, nullptr) : nullptr;
}
inline HTREEITEM TreeNext(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(
      ::SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}
inline std::wstring TreeItemText(HWND tree, HTREEITEM at) {
  if (!at) return {};
  wchar_t text[MAX_PATH] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = at;
  item.pszText = text;
  item.cchTextMax = MAX_PATH;
  ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}
// The item of that text among those the tree holds now.
inline HTREEITEM FindTreeItem(HWND tree, const std::wstring& wanted) {
  std::vector<HTREEITEM> open = {TreeNext(tree, TVGN_ROOT, nullptr)};
  while (!open.empty()) {
    const HTREEITEM item = open.back();
    open.pop_back();
    if (!item) continue;
    if (TreeItemText(tree, item) == wanted) return item;
    open.push_back(TreeNext(tree, TVGN_NEXT, item));
    open.push_back(TreeNext(tree, TVGN_CHILD, item));
  }
  return nullptr;
}
// The last part of a path (the name a folder chooser's tree shows for it).
inline std::wstring LastPart(const std::wstring& path) {
  const std::wstring trimmed = path.substr(0, path.find_last_not_of(L'\\') + 1);
  return trimmed.substr(trimmed.find_last_of(L'\\') + 1);
}

// A text in quotes, for saying what a step waits for (built in steps: GCC 12 warns of a
// bogus overlap in `"\"" + text + "\""`).
inline std::string Quoted(const std::wstring& text) {
  std::string quoted = "\"";
  quoted += Narrow(text.c_str());
  quoted += '"';
  return quoted;
}

// Clicks the browse button right of the box beside place and waits for the chooser it opens.
inline UserSteps OpenChooser(const TForm& form, const Place& place) {
  const std::string name = "the browse button beside \"" + place.label + "\"";
  return {ClickFound(name,
                     [&form, place]() -> HWND {
                       const HWND box = BoxBeside(form, place);
                       RECT r{};
                       ::GetWindowRect(box, &r);
                       return box ? NearestBeside(form, r, {"Button"}, false) : nullptr;
                     }),
          WaitFor("the chooser of " + name, [&form] { return ChooserOf(form) != nullptr; })};
}

// A chooser that is ready to be answered: a file chooser once it shows its name box, a
// folder chooser once it shows the folder it opens at (named folder) as its current item.
// OK before then takes whatever the chooser holds at that moment.
inline bool ChooserReady(HWND chooser, const std::wstring& folder) {
  if (!chooser) return false;
  const HWND tree = ChooserTree(chooser);
  if (!tree) return ::GetDlgItem(chooser, 0x47C) || ::GetDlgItem(chooser, 0x480);
  return TreeItemText(tree, TreeNext(tree, TVGN_CARET, nullptr)) == LastPart(folder);
}

// Clicks the browse button right of the box beside place and answers the chooser it opens:
// a file chooser with file, a folder chooser (file empty) with the folder it opens at,
// which is shown. The box then shows shown.
inline Entry Browse(Place place, std::string file, std::string shown) {
  return [place, file, shown](const TForm& form, const TForm*) {
    UserSteps steps = OpenChooser(form, place);
    const std::wstring folder(shown.begin(), shown.end());
    steps.push_back({"the chooser to be ready for \"" + shown + "\"",
                     [&form, folder] { return ChooserReady(ChooserOf(form), folder); },
                     [&form, file] {
                       const HWND dialog = ChooserOf(form);
                       HWND named = ::GetDlgItem(dialog, 0x47C);  // the file-name box
                       if (!named) named = ::GetDlgItem(dialog, 0x480);
                       const std::wstring wide(file.begin(), file.end());
                       if (!file.empty())
                         ::SendMessageW(named, WM_SETTEXT, 0,
                                        reinterpret_cast<LPARAM>(wide.c_str()));
                       ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                      reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
                     }});
    steps.push_back(
        WaitFor("\"" + shown + "\" browsed into the box beside \"" + place.label + "\"",
                [&form, place, shown] { return WindowText(BoxBeside(form, place)) == shown; }));
    return steps;
  };
}

// Clicks the browse button right of the box beside place, answers the file chooser it opens
// with file (which may hold what the ANSI code page lacks), and reads the error the dialog
// then reports, as AnswerBox does.
inline Entry BrowseRefused(Place place, std::wstring file, std::shared_ptr<AnsweredBox> said) {
  return [place, file, said](const TForm& form, const TForm*) {
    UserSteps steps = OpenChooser(form, place);
    steps.push_back({"the file chooser to be ready",
                     [&form] { return ChooserReady(ChooserOf(form), L""); },
                     [&form, file] {
                       const HWND dialog = ChooserOf(form);
                       HWND named = ::GetDlgItem(dialog, 0x47C);  // the file-name box
                       if (!named) named = ::GetDlgItem(dialog, 0x480);
                       ::SendMessageW(named, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
                       ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                      reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
                     }});
    steps += AnswerBox(form, "the chosen file", said);
    return steps;
  };
}

// Clicks the browse button right of the box beside place and, in the folder chooser it
// opens at its folder named start, walks as a user does: a click on that folder, Right to
// open it, Right to its first folder, which must be the one named child, and Enter.
inline Entry BrowseInto(Place place, std::wstring start, std::wstring child) {
  return [place, start, child](const TForm& form, const TForm*) {
    const auto tree = [&form] { return ChooserTree(ChooserOf(form)); };
    auto at = std::make_shared<HTREEITEM>();
    UserSteps steps = OpenChooser(form, place);
    steps.push_back({"the chooser to open at " + Quoted(start),
                     [tree, start, at] {
                       return tree() && (*at = FindTreeItem(tree(), start)) != nullptr &&
                              TreeNext(tree(), TVGN_CARET, nullptr) == *at;
                     },
                     [tree, at] {
                       const HWND items = tree();
                       ::SendMessageW(items, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(*at));
                       RECT r{};
                       std::memcpy(&r, at.get(),
                                   sizeof(HTREEITEM));  // the item asked about goes in r
                       ::SendMessageW(items, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
                       ::MapWindowPoints(items, nullptr, reinterpret_cast<POINT*>(&r), 2);
                       RECT shown{};  // a long name runs past the tree's edge
                       ::GetWindowRect(items, &shown);
                       ::IntersectRect(&r, &r, &shown);
                       ClickOnScreen(r);
                     }});
    steps.push_back(
        {"the folder clicked to take the focus",
         [tree, at] { return HasFocus(tree()) && TreeNext(tree(), TVGN_CARET, nullptr) == *at; },
         [] { PressKeys({VK_RIGHT}); }});
    steps.push_back({"the folder to open", [tree, at] { return TreeNext(tree(), TVGN_CHILD, *at); },
                     [] { PressKeys({VK_RIGHT}); }});
    steps.push_back({Quoted(child) + " to be the current folder",
                     [tree, child] {
                       return TreeItemText(tree(), TreeNext(tree(), TVGN_CARET, nullptr)) == child;
                     },
                     [] { PressKeys({VK_RETURN}); }});
    return steps;
  };
}

// Waits until the dialog shows text as a label or heading.
inline Entry Reads(std::string text) {
  return [text](const TForm& form, const TForm*) {
    return UserSteps{
        WaitFor("\"" + text + "\" shown", [&form, text] { return Shows(form, text); })};
  };
}

// Presses the button captioned caption; nothing after it waits for it (Apply and OK end
// the dialog).
inline UserSteps Press(const TForm& form, const std::string& caption) {
  return {ClickFound("\"" + caption + "\" to press",
                     [&form, caption] { return Captioned(form, caption); })};
}

// Presses the button captioned caption, which the form refuses with a message box, answered
// as AnswerBox does.
inline Entry PressRefused(std::string caption, std::shared_ptr<AnsweredBox> said) {
  return [caption, said](const TForm& form, const TForm*) {
    UserSteps steps = Press(form, caption);
    steps += AnswerBox(form, "\"" + caption + "\"", said);
    return steps;
  };
}

// Clicks the button inside the list box beside place (a criteria list's), does inside in
// the dialog it opens, and presses its OK (or the button captioned closeWith).
inline Entry Through(Place place, std::vector<Entry> inside, std::string closeWith = "OK") {
  return [place, inside, closeWith](const TForm& form, const TForm* opened) {
    const std::string name = "the button in the list beside \"" + place.label + "\"";
    UserSteps steps{ClickFound(name,
                               [&form, place]() -> HWND {
                                 const HWND list = BoxBeside(form, place);
                                 return list ? ::FindWindowExA(list, nullptr, "Button", nullptr)
                                             : nullptr;
                               }),
                    WaitFor("the dialog of " + name,
                            [opened] { return ::GetForegroundWindow() == opened->Handle(); })};
    steps += StepsOf(*opened, inside);
    steps += Press(*opened, closeWith);
    steps.push_back(WaitFor("the dialog of " + name + " to go",
                            [opened] { return !::IsWindowVisible(opened->Handle()); }));
    return steps;
  };
}

// A row of a dialog's table: the node of the action tree the step is added from, what the
// user does, and the step then stored.
struct Row {
  std::string node;
  std::vector<Entry> entries;
  vx::TCommand stored;
};

// Adds one step per row as the row says and presses Apply with the pointer; the steps the
// rows say are stored, in order. look runs just before each Apply.
inline std::vector<vx::TCommand> AddEach(RigHost& host, vx::editor::TStepDialog& dialog,
                                         const std::vector<Row>& rows,
                                         const TForm* opened = nullptr,
                                         const std::function<void(const Row&)>& look = {}) {
  std::vector<vx::TCommand> stored;
  for (const Row& row : rows) {
    host.AddFromTree(row.node);
    UserSteps steps = StepsOf(dialog, row.entries, opened);
    if (look) steps.push_back({"", nullptr, [&look, &row] { look(row); }});
    steps += Press(dialog, "Apply");
    AsUser(steps);
    EXPECT_EQ(host.Open(dialog), IDOK) << row.node;
    FinishAsUser();
    stored.push_back(row.stored);
  }
  return stored;
}

// Adds a step from node as entries say (a refused press among them, PressRefused) and then
// presses Cancel: the dialog ends without a step.
inline void AddThenCancel(RigHost& host, vx::editor::TStepDialog& dialog, const std::string& node,
                          const std::vector<Entry>& entries, const TForm* opened = nullptr) {
  host.AddFromTree(node);
  UserSteps steps = StepsOf(dialog, entries, opened);
  steps += Press(dialog, "Cancel");
  AsUser(steps);
  EXPECT_EQ(host.Open(dialog), IDCANCEL) << node;
  FinishAsUser();
}

}  // namespace user

}  // namespace vxtest
