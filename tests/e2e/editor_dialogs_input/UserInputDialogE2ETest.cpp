#include <gtest/gtest.h>

#include <vector>

#include "DesktopHelper.h"
#include "core/StepKinds.h"
#include "e2e/editor_dialogs_input/SavedSteps.h"
#include "editor/dialogs/FrmUserInput.h"
#include "win32/editor_dialogs/DialogRig.h"

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

TEST_F(UserInputDialogE2ETest, MouseStepsAreSavedWithTheirClickTypeAndPosition) {
  host.steps.Assign({TCommand{ckSendKeys, "keys", "c", "", "", 1}});
  host.EditStep(0);
  InModalLoop({[&] {
    // The mouse link keeps the kind; the radio button changes it.
    dialog.gotomouse.OnClick();
    Click(dialog.rbmouseclick.Handle());
    dialog.cmbclicktype.SetItemIndex(8);
    Click(dialog.cmdapply.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  host.AddFromTree("Mouse Move");
  InModalLoop({[&] {
    dialog.txtmousepos.SetText("10, 20");
    Click(dialog.cmdapply.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDOK);

  const std::vector<TCommand> saved = vxtest::SavedAndReadBack(host.steps);
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[0], (TCommand{ckMouseClick, "Right Button Click", "c", "", "", 1}));
  EXPECT_EQ(saved[1], (TCommand{ckMouseMove, "10, 20", "", "", "", 1}));
}

}  // namespace
}  // namespace vx::editor
