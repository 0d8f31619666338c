#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DesktopHelper.h"
#include "editor/dialogs/FrmInternet.h"
#include "editor/dialogs/FrmRecord.h"
#include "editor/dialogs/FrmUserInput.h"
#include "win32/editor_dialogs/DialogRig.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;

// What the user reads of the control that has the focus.
std::string Named(HWND control) {
  if (!control) return "(none)";
  std::string text = vxtest::WindowText(control);
  if (!text.empty()) return text;
  char name[64] = "";
  ::GetClassNameA(control, name, sizeof name);
  return std::string("(") + name + ")";
}

// Opens dialog on a new step and presses Tab as the keyboard does, each press handled by the
// dialog's own loop before the next; the controls the focus reaches, from the one it has
// as the dialog opens, up to Cancel.
std::vector<std::string> TabbedThrough(vxtest::RigHost& host, TStepDialog& dialog,
                                       const std::string& node) {
  host.AddFromTree(node);
  std::vector<HWND> focused;
  std::vector<std::function<void()>> actions;
  for (int press = 0; press < 40; ++press) {
    actions.push_back([&] {
      focused.push_back(::GetFocus());
      if (focused.back() == dialog.cmdcancel.Handle()) return;
      INPUT tab[2]{};
      tab[0].type = tab[1].type = INPUT_KEYBOARD;
      tab[0].ki.wVk = tab[1].ki.wVk = VK_TAB;
      tab[1].ki.dwFlags = KEYEVENTF_KEYUP;
      ::SendInput(2, tab, sizeof(INPUT));
    });
  }
  actions.push_back([&] { Click(dialog.cmdcancel.Handle()); });
  InModalLoop(std::move(actions));
  host.Open(dialog);
  std::vector<std::string> names;
  for (HWND control : focused) {
    // The dialog itself has the focus before any control has.
    if (control == dialog.Handle() && names.empty()) continue;
    names.push_back(Named(control));
    if (control == dialog.cmdcancel.Handle()) break;
  }
  return names;
}

using Names = std::vector<std::string>;

TEST(StepDialogTabOrderTest, TheDialogsOwnControlsComeBeforeApplyAndCancel) {
  vxtest::RigHost host;
  {
    Tfrmrecord record;
    record.Create(host.DialogOwner());
    EXPECT_EQ(TabbedThrough(host, record, "Record"),
              (Names{"Record Mouse", "Include Mouse Movement", "Record Keyboard", "Record",
                     "(msctls_trackbar32)", "Apply", "Cancel"}));
  }
  {
    Tfrmuserinput input;
    input.Create(host.DialogOwner());
    EXPECT_EQ(TabbedThrough(host, input, "Mouse Move"),
              (Names{"Move Mouse", "(Edit)", "(ComboBox)", "Apply", "Cancel"}))
        << "Tab skips the radio button left unchecked";
  }
  {
    Tfrminternet internet;
    internet.Create(host.DialogOwner());
    const Names names = TabbedThrough(host, internet, "Ftp Delete File");
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names.front(), "(Edit)") << "the host box";
    EXPECT_EQ(Names(names.end() - 3, names.end()), (Names{"(Edit)", "Apply", "Cancel"}))
        << "the file to delete, then Apply and Cancel";
  }
}

}  // namespace
}  // namespace vx::editor
