// Every step kind added as a user adds it: its name typed into the tree's search box, the
// node the search selects double-clicked with the pointer, the dialog that opens applied.
#include "EditorListFixture.h"

namespace vxtest {
namespace {

struct KindToAdd {
  const char* name;
  std::uint8_t code;   // the kind byte the script file stores
  const char* dialog;  // the title of the dialog its node opens
};

// In the order they are added: the tree's order, but Set Variable first, as Write To File
// and Read From File refuse Apply until a declared variable is chosen.
const KindToAdd KindsToAdd[] = {
    {"Set Variable", vx::ckSetVariable, "System"},
    {"Get Clipboard", vx::ckGetClipboard, "Clipboard"},
    {"Set Clipboard", vx::ckSetClipboard, "Clipboard"},
    {"Clear Clipboard", vx::ckClearClipboard, "Clipboard"},
    {"Copy Object", vx::ckCopyObject, "Disk Operations"},
    {"Move Object", vx::ckMoveObject, "Disk Operations"},
    {"Rename Object", vx::ckRenameObject, "Disk Operations"},
    {"Delete Object", vx::ckDeleteObject, "Disk Operations"},
    {"Run Object", vx::ckRunObject, "Disk Operations"},
    {"Read From File", vx::ckReadFromFile, "Disk Operations"},
    {"Write To File", vx::ckWriteToFile, "Disk Operations"},
    {"Send Email", vx::ckSendEmail, "Internet Operations"},
    {"Ftp Upload File", vx::ckFtpUploadFile, "Internet Operations"},
    {"Ftp Download File", vx::ckFtpDownloadFile, "Internet Operations"},
    {"Ftp Rename File", vx::ckFtpRenameFile, "Internet Operations"},
    {"Ftp Delete File", vx::ckFtpDeleteFile, "Internet Operations"},
    {"Show Message", vx::ckShowMessage, "Window Actions"},
    {"Activate Window", vx::ckActivateWindow, "Window Actions"},
    {"Minimize Window", vx::ckMinimizeWindow, "Window Actions"},
    {"Maximize Window", vx::ckMaximizeWindow, "Window Actions"},
    {"Close Window", vx::ckCloseWindow, "Window Actions"},
    {"Kill Window", vx::ckKillWindow, "Window Actions"},
    {"Close All Windows", vx::ckCloseAllWindows, "Window Actions"},
    {"Show Desktop", vx::ckShowDesktop, "Window Actions"},
    {"Send Keys", vx::ckSendKeys, "User Input"},
    {"Mouse Move", vx::ckMouseMove, "User Input"},
    {"Mouse Click", vx::ckMouseClick, "User Input"},
    {"Wait", vx::ckWait, "System"},
    {"Execution Speed", vx::ckExecutionSpeed, "System"},
    {"Call DLL Function", vx::ckCallDLLFunction, "System"},
    {"Lock Computer", vx::ckLockComputer, "System"},
    {"Log OFF Current User", vx::ckLogOFFCurrentUser, "System"},
    {"Restart Windows", vx::ckRestartWindows, "System"},
    {"Hibernate System", vx::ckHibernateSystem, "System"},
    {"Shutdown Windows", vx::ckShutdownWindows, "System"},
    {"Record", vx::ckRecord, "Record"},
};

// A stored kind as its name and code, so a code no kind has cannot pass for one that has.
std::string KindLabel(std::uint8_t code) {
  return vx::StepKindName(code) + " (" + std::to_string(code) + ")";
}

// One line each: a failure then shows the lines that differ, wherever they are in the list.
std::string Lines(const std::vector<std::string>& texts) {
  std::string lines;
  for (const std::string& text : texts) lines += text + "\n";
  return lines;
}

struct VisibleChildSearch {
  const char* className;
  HWND found = nullptr;
};
BOOL CALLBACK MatchVisibleChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<VisibleChildSearch*>(data);
  char name[64] = {};
  ::GetClassNameA(child, name, sizeof name);
  if (::lstrcmpiA(name, search->className) != 0 || !::IsWindowVisible(child)) return TRUE;
  search->found = child;
  return FALSE;
}
// The first shown control of this class inside window (a dialog's other pages are hidden).
HWND VisibleChild(HWND window, const char* className) {
  VisibleChildSearch search{className};
  ::EnumChildWindows(window, MatchVisibleChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

class EveryKindE2E : public EditorListE2E {
 protected:
  // Types text into the search box as a user does: a click into it, its old text erased
  // with Backspace and the new typed. (Shift+Home sent through SendInput now and then moves
  // to the start under Wine without selecting, as if the Shift were not down.)
  void TypeSearch(const std::string& text) {
    ClickWithPointer(search_);
    // Keys typed before the click is handled would go to the control that had the focus.
    ASSERT_TRUE(WaitUntil([&] { return HasFocus(search_); }));
    PressKeys({VK_END});
    for (std::size_t left = WindowText(search_).size(); left > 0; --left) PressKeys({VK_BACK});
    ASSERT_TRUE(WaitUntil([&] { return WindowText(search_).empty(); })) << WindowText(search_);
    TypeText(text);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(search_) == text; })) << WindowText(search_);
  }
  // The editor's window that is in front once a double click opened it; null if none came.
  HWND OpenedDialog() const {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
          dialog = ::GetForegroundWindow();
          return dialog && dialog != window_ && ProcessOf(dialog) == editor_.Id() &&
                 ::IsWindowVisible(dialog) && ChildWithText(dialog, "Apply");
        },
        5000);
    return dialog != window_ && ProcessOf(dialog) == editor_.Id() ? dialog : nullptr;
  }
  // The Set Variable dialog takes the typing at once, in its name box.
  void NameVariable(HWND dialog, const std::string& name) {
    ASSERT_TRUE(WaitUntil([&] { return ::IsChild(dialog, FocusOf(dialog)); }));
    TypeText(name);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(FocusOf(dialog)) == name; }));
  }
  // Opens the dialog's variable list with a click and clicks its first entry.
  void ChooseFirstVariable(HWND dialog) {
    const HWND combo = VisibleChild(dialog, "ComboBox");
    ASSERT_NE(combo, nullptr) << "the dialog shows no variable list";
    ClickWithPointer(combo);
    HWND dropped = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      dropped = FindTopWindow({"ComboLBox", std::nullopt, editor_.Id()});
      return dropped && ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0);
    }));
    RECT item{};
    ASSERT_NE(::SendMessageW(dropped, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)), LB_ERR);
    POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ::ClientToScreen(dropped, &at);
    MovePointer(at);
    MouseAt(at, MOUSEEVENTF_LEFTDOWN);
    MouseAt(at, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(WaitUntil([&] {
      return ::SendMessageW(combo, CB_GETCURSEL, 0, 0) == 0 &&
             !::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0);
    }));
  }
};

// The double click's release lands wherever the opened dialog now is, as a user's does;
// whatever it lands on, the step stored is the kind whose node was double-clicked.
TEST_F(EveryKindE2E, EveryKindSearchedInTheTreeAndAppliedIsStoredAsThatKind) {
  ASSERT_TRUE(StartWith({}));
  std::vector<std::string> names, expected;
  for (const KindToAdd& kind : KindsToAdd) {
    const std::string name = kind.name;
    SCOPED_TRACE(name);
    ASSERT_NO_FATAL_FAILURE(TypeSearch(name));
    ASSERT_TRUE(WaitUntil([&] { return SelectedNodeText() == name; })) << SelectedNodeText();
    DoubleClickSelectedNode();
    const HWND dialog = OpenedDialog();
    ASSERT_NE(dialog, nullptr) << "no dialog opened";
    EXPECT_EQ(vxtest::Caption(dialog), kind.dialog);
    if (name == "Set Variable") {
      ASSERT_NO_FATAL_FAILURE(NameVariable(dialog, "v"));
    } else if (name == "Write To File" || name == "Read From File") {
      ASSERT_NO_FATAL_FAILURE(ChooseFirstVariable(dialog));
    }
    ClickButton(dialog, "Apply");
    names.push_back(name);
    expected.push_back(KindLabel(kind.code));
    ASSERT_TRUE(WaitUntil([&] { return ItemCount() == static_cast<int>(names.size()); }))
        << "Apply added no step";
  }
  EXPECT_EQ(Lines(Items()), Lines(names));
  std::vector<std::string> stored;
  for (const vx::TCommand& step : Saved()) stored.push_back(KindLabel(step.kind));
  EXPECT_EQ(Lines(stored), Lines(expected));
}

}  // namespace
}  // namespace vxtest
