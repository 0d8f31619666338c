#include <gtest/gtest.h>

#include <vector>

#include "DesktopHelper.h"
#include "core/StepKinds.h"
#include "e2e/editor_dialogs_input/SavedSteps.h"
#include "editor/dialogs/FrmUserInput.h"
#include "win32/editor_dialogs/DialogRig.h"
#include "win32/editor_dialogs/UserAtDialog.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;
using vxtest::PressKeys;

class UserInputDialogE2ETest : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Create(host.DialogOwner()); }
  vxtest::RigHost host;
  Tfrmuserinput dialog;
};

TEST_F(UserInputDialogE2ETest, SpecialKeysBecomeTokensAndShiftTakesThePosition) {
  host.AddFromTree("Send Keys");
  std::string keys, position, cursorAt;
  UserInputPage page = UserInputPage::Mouse;
  InModalLoop({[&] {
    page = dialog.ShownPage();
    dialog.txtsendkeys.SetFocus();
    // F5 makes no character of its own: the letter after it must not be taken for one.
    PressKeys({VK_F5});
    PressKeys({'A'});
    PressKeys({VK_SHIFT, VK_TAB});
    PressKeys({VK_BACK});
    vxtest::WaitUntil([&] { return dialog.txtsendkeys.Text().size() >= 21; }, 5000);
    keys = dialog.txtsendkeys.Text();
    position = dialog.txtmousepos.Text();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    cursorAt = std::to_string(cursor.x) + ", " + std::to_string(cursor.y);
    Click(dialog.cmdapply.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  EXPECT_EQ(page, UserInputPage::Keyboard);
  EXPECT_EQ(keys, "{F5}a{TAB}{BACKSPACE}") << "no F5 action, no focus move, nothing deleted";
  EXPECT_EQ(position, cursorAt) << "Shift on the keyboard page fills the mouse page's box";

  // Without the capture Backspace deletes again; the next Send Keys step turns it back on.
  host.EditStep(0);
  std::string afterBackspace;
  bool onAgain = false;
  InModalLoop({[&] {
    Click(dialog.chkcapture.Handle());
    dialog.txtsendkeys.SetFocus();
    ::SendMessageA(dialog.txtsendkeys.Handle(), EM_SETSEL, 0, -1);
    ::SendMessageA(dialog.txtsendkeys.Handle(), EM_REPLACESEL, TRUE,
                   reinterpret_cast<LPARAM>("xy"));
    PressKeys({VK_BACK});
    vxtest::WaitUntil([&] { return dialog.txtsendkeys.Text() == "x"; }, 5000);
    afterBackspace = dialog.txtsendkeys.Text();
    Click(dialog.cmdcancel.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDCANCEL);
  InModalLoop({[&] {
    onAgain = dialog.KeyCaptureOn();
    Click(dialog.cmdcancel.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDCANCEL);
  EXPECT_EQ(afterBackspace, "x");
  EXPECT_TRUE(onAgain);
  EXPECT_FALSE(dialog.chkcapture.Checked()) << "the box still shows it off";

  const std::vector<TCommand> saved = vxtest::SavedAndReadBack(host.steps);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0], (TCommand{ckSendKeys, "{F5}a{TAB}{BACKSPACE}", "a", "", "", 1}));
}

// Every control of both pages, found by the label or caption a user reads beside it, is
// given a value of its own, and the script holds each in its own field. Each step is added
// from the node of another kind and made its own by a link or a radio button.
TEST_F(UserInputDialogE2ETest, EveryControlStoresItsOwnField) {
  using namespace vxtest::user;
  const std::vector<Row> rows = {
      {"Mouse Move",
       {ClickOn("Click Mouse"), Choose({"Button:"}, "Middle Button Hold")},
       {ckMouseClick, "Middle Button Hold", "", "", "", 1}},
      {"Send Keys",
       {Link("Mouse", "Control Mouse"), ClickOn("Move Mouse"), Type({"Position:"}, "12, 34")},
       {ckMouseMove, "12, 34", "", "", "", 1}},
      {"Mouse Click",
       {Link("Keyboard", "Control Keyboard"), Type({"Text:"}, "typed keys"),
        ClickOn("Send character by character")},
       {ckSendKeys, "typed keys", "c", "", "", 1}},
  };
  const std::vector<TCommand> expected = AddEach(host, dialog, rows);
  EXPECT_EQ(vxtest::SavedAndReadBack(host.steps), expected);
}

}  // namespace
}  // namespace vx::editor
