#include <gtest/gtest.h>

#include "TempFolder.h"
#include "core/StepKinds.h"
#include "e2e/editor_dialogs_input/SavedSteps.h"
#include "editor/dialogs/FrmInternet.h"
#include "win32/editor_dialogs/DialogRig.h"
#include "win32/editor_dialogs/UserAtDialog.h"

namespace vx::editor {
namespace {

const std::string S(1, FieldSeparator);

class InternetDialogE2ETest : public ::testing::Test {
 protected:
  void SetUp() override { dialog.Create(host.DialogOwner()); }
  vxtest::RigHost host;
  Tfrminternet dialog;
  vxtest::TempFolder folder;
};

// Every box and radio button, found by the label or caption a user reads beside it, is
// given a value of its own, and the script holds each value in its own field and sub-field.
// Each step is added from the node of another kind and made its own by a link or a radio
// button; the local files are chosen with the browse buttons.
TEST_F(InternetDialogE2ETest, EveryControlStoresItsOwnField) {
  using namespace vxtest::user;
  const std::string downloaded = folder.File("downloaded.txt");
  const std::string uploaded = folder.File("uploaded.txt");
  const std::vector<Row> rows = {
      {"Ftp Upload File",
       {Link("Send Email"), Type({"Server:"}, "smtp.example"), Type({"Port:"}, "2525"),
        Type({"User Name:"}, "mail-user"), Type({"Password:"}, "mail-pass"),
        Type({"To:"}, "to@example"), Type({"Subject:"}, "the subject"),
        Type({"Body:"}, "line 1\rline 2", "line 1\r\nline 2")},
       {ckSendEmail, "smtp.example" + S + "2525" + S + "mail-user" + S + "mail-pass",
        "to@example" + S + "the subject", "line 1\r\nline 2", "", 1}},
      {"Send Email",
       {Link("FTP Operations"), ClickOn("Download File"), Type({"Host:"}, "ftp.example"),
        Type({"Username:"}, "ftp-user"), Type({"Password:"}, "ftp-pass"),
        Type({"Remote:", "Download File"}, "remote-down"),
        Browse({"Local:", "Download File"}, downloaded, downloaded)},
       {ckFtpDownloadFile, "ftp.example" + S + "ftp-user" + S + "ftp-pass", downloaded,
        "remote-down", "", 1}},
      {"Ftp Rename File",
       {ClickOn("Upload File"), Browse({"Local:", "Upload File"}, uploaded, uploaded),
        Type({"Remote:", "Upload File"}, "remote-up")},
       {ckFtpUploadFile, S + S, uploaded, "remote-up", "", 1}},
      {"Ftp Delete File",
       {ClickOn("Rename File"), Type({"Old Name:"}, "old-name"), Type({"New Name"}, "new-name")},
       {ckFtpRenameFile, S + S, "old-name", "new-name", "", 1}},
      {"Ftp Download File",
       {ClickOn("Delete File"), Type({"File:"}, "deleted-file")},
       {ckFtpDeleteFile, S + S, "deleted-file", "", "", 1}},
  };
  const std::vector<TCommand> expected = AddEach(host, dialog, rows);
  EXPECT_EQ(vxtest::SavedAndReadBack(host.steps), expected);
}

// A local file the ANSI code page cannot name, pasted into "Local:" ("Łodz.txt", whose
// look-alike "Lodz.txt" a download would overwrite), is refused at Apply; nothing is stored.
TEST_F(InternetDialogE2ETest, ALocalFileOutsideTheCodePageIsRefused) {
  using namespace vxtest::user;
  auto said = std::make_shared<vxtest::AnsweredBox>();
  AddThenCancel(
      host, dialog, "Ftp Download File",
      {ClickOn("Download File"),
       PasteWhole({"Local:", "Download File"}, folder.Path().wstring() + L"\\\u0141odz.txt"),
       PressRefused("Apply", said)});
  EXPECT_NE(said->text.find("\"Local:\""), std::string::npos) << said->text;
  EXPECT_NE(said->text.find(folder.File("?odz.txt")), std::string::npos) << said->text;
  EXPECT_EQ(host.steps.Count(), 0u);
}

}  // namespace
}  // namespace vx::editor
