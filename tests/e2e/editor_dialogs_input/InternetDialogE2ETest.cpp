#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "e2e/editor_dialogs_input/SavedSteps.h"
#include "editor/dialogs/FrmInternet.h"
#include "win32/editor_dialogs/DialogRig.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;

const std::string S(1, FieldSeparator);

// Characters as the keyboard types them into the focused box.
void Type(HWND box, const std::string& text) {
  for (char c : text) ::SendMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 0);
}

class InternetDialogE2ETest : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Create(host.DialogOwner()); }
  vxtest::RigHost host;
  Tfrminternet dialog;
};

TEST_F(InternetDialogE2ETest, MailAndFtpStepsAreSavedWithTheirSubFields) {
  host.AddFromTree("Send Email");
  InModalLoop({[&] {
    Type(dialog.txtsmtpserver.Handle(), "mail");
    Type(dialog.txtsmtpport.Handle(), "25");
    // Ctrl+A types the separator byte: it must not split the user name.
    Type(dialog.txtsmtpusername.Handle(), "u\x01x");
    Type(dialog.txtsmtppassword.Handle(), "pw");
    Type(dialog.txtsmtpto.Handle(), "a");
    Type(dialog.txtsmtpsubject.Handle(), "s");
    dialog.txtsmtpbody.SetText("line 1\r\nline 2");
    Click(dialog.cmdapply.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDOK);

  // Editing it shows every value back; turned into an FTP upload by the link and a radio.
  host.EditStep(0);
  std::string body, user;
  InternetPage opened = InternetPage::Ftp;
  InModalLoop({[&] {
    opened = dialog.ShownPage();
    body = dialog.txtsmtpbody.Text();
    user = dialog.txtsmtpusername.Text();
    dialog.gotoftp.OnClick();
    Type(dialog.txtftphost.Handle(), "ftp.example");
    Click(dialog.rbftpu.Handle());
    dialog.txtftpulocal.SetText("C:\\up.txt");
    dialog.txtftpuremote.SetText("up.txt");
    Click(dialog.cmdapply.Handle());
  }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  EXPECT_EQ(opened, InternetPage::Email);
  EXPECT_EQ(body, "line 1\r\nline 2");
  EXPECT_EQ(user, "ux");

  host.steps.Assign({host.steps.Step(0), TCommand{ckSendEmail, "only", "", "", "", 1}});
  host.EditStep(1);
  InModalLoop({[&] { Click(dialog.cmdapply.Handle()); }});
  ASSERT_EQ(host.Open(dialog), IDOK);

  const std::vector<TCommand> saved = vxtest::SavedAndReadBack(host.steps);
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[0],
            (TCommand{ckFtpUploadFile, "ftp.example" + S + S, "C:\\up.txt", "up.txt", "", 1}));
  EXPECT_EQ(saved[1], (TCommand{ckSendEmail, "only" + S + S + S, S, "", "", 1}))
      << "a server without separators shows alone and is stored with all three";
}

}  // namespace
}  // namespace vx::editor
