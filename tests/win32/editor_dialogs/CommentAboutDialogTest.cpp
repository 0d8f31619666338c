#include <gtest/gtest.h>

#include "DesktopHelper.h"
#include "core/StepKinds.h"
#include "editor/dialogs/FrmAbout.h"
#include "editor/dialogs/FrmComment.h"
#include "win32/editor_dialogs/DialogRig.h"
#include "win32/system/Win32Clipboard.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;

TCommand Commented(std::string comment) {
  TCommand step;
  step.kind = ckWait;
  step.p4 = std::move(comment);
  return step;
}

class CommentDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Create(host.DialogOwner()); }
  // The box's text as the window shows it, after typing typed over it (nullopt: OK at once).
  std::string ShownThenOk(const std::optional<std::string>& typed) {
    std::string shown;
    InModalLoop({[&] {
      shown = vxtest::WindowText(dialog.txtcomment.Handle());
      if (typed) dialog.txtcomment.SetText(*typed);
      Click(dialog.cmdok.Handle());
    }});
    host.Open(dialog);
    return shown;
  }
  vxtest::RigHost host;
  Tfrmcomment dialog;
};

TEST_F(CommentDialogTest, ShowsTheCurrentItemsCommentAndGivesOnlySelectedStepsTheText) {
  host.steps.Assign({Commented("a"), Commented("b"), Commented("c")});
  host.steps.SetSelected(0, true);
  host.steps.SetSelected(2, true);
  host.steps.SetCurrent(1);  // the current item is not selected
  EXPECT_EQ(ShownThenOk("new"), "b");
  EXPECT_EQ(host.steps.Step(0).p4, "new");
  EXPECT_EQ(host.steps.Step(1).p4, "b");
  EXPECT_EQ(host.steps.Step(2).p4, "new");
  EXPECT_EQ(host.refreshes, 1);
}

TEST_F(CommentDialogTest, AnEmptyListShowsAnEmptyBoxAndOkChangesNothing) {
  dialog.txtcomment.SetText("left over");
  EXPECT_EQ(ShownThenOk("typed"), "");
  EXPECT_TRUE(host.steps.Empty());
  EXPECT_EQ(host.refreshes, 0);

  // Esc leaves the comments as they were.
  host.steps.Assign({Commented("kept")});
  host.steps.SetSelected(0, true);
  host.steps.SetCurrent(0);
  InModalLoop({[&] {
    dialog.txtcomment.SetText("dropped");
    vxtest::PostKey(dialog.txtcomment.Handle(), VK_ESCAPE);
  }});
  EXPECT_EQ(host.Open(dialog), IDCANCEL);
  EXPECT_EQ(host.steps.Step(0).p4, "kept");
}

TEST_F(CommentDialogTest, ACommentConfirmedUnchangedKeepsEveryByte) {
  const std::string whole("before\0after", 12);
  host.steps.Assign({Commented(whole), Commented("other")});
  host.steps.SetSelected(0, true);
  host.steps.SetSelected(1, true);
  host.steps.SetCurrent(0);
  EXPECT_EQ(ShownThenOk(std::nullopt), "before");  // a window shows up to the zero byte
  EXPECT_EQ(host.steps.Step(0).p4, whole);
  EXPECT_EQ(host.steps.Step(1).p4, whole);
}

TEST_F(CommentDialogTest, TakesACommentPastTheEditControlsDefaultLength) {
  host.steps.Assign({Commented("")});
  host.steps.SetSelected(0, true);
  host.steps.SetCurrent(0);
  const std::string pasted(40000, 'p');
  InModalLoop({[&] {
    win32::Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.Open());
    clipboard.Empty();
    ASSERT_TRUE(clipboard.SetText(pasted));
    clipboard.Close();
    const HWND box = dialog.txtcomment.Handle();
    ::SendMessageA(box, WM_PASTE, 0, 0);
    for (const char c : std::string("typed")) ::SendMessageA(box, WM_CHAR, c, 1);
    Click(dialog.cmdok.Handle());
  }});
  EXPECT_EQ(host.Open(dialog), IDOK);
  const std::string& stored = host.steps.Step(0).p4;
  EXPECT_EQ(stored.size(), pasted.size() + 5);
  EXPECT_TRUE(stored == pasted + "typed");
}

TEST(AboutBoxTest, ShowsTheEditorsVersionFromItsVersionResource) {
  vxtest::RigHost host;
  Tfrmabout about;
  about.Create(host.DialogOwner(), vxtest::WindowsPath(VX_BINARY_DIR "/src/editor/vorlix.exe"));
  EXPECT_EQ(about.lblversion.Caption(), "version 1.0 build 0");
  // A program without a version resource (this test) gives the bare word.
  EXPECT_EQ(VersionLine(ReadFileVersion(ProgramPath())), "version");
}

}  // namespace
}  // namespace vx::editor
