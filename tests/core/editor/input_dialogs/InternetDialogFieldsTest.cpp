// The internet dialog: a step shown in the boxes and applied back gives the stored step.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/editor/dialogs/CriteriaBoxes.h"
#include "core/editor/dialogs/InternetDialogFields.h"

namespace {

using vx::TCommand;
using namespace vx::editor;

const std::string S(1, vx::FieldSeparator);

// Shows the step as the dialog opens it, lets edit change the boxes and the kind, and
// applies onto onto: a new step unless a test is about the fields Apply leaves alone, so a
// field that Show or Apply forgets cannot pass for one kept from the step under test.
template <typename Edit>
TCommand ShowEditApply(const TCommand& step, InternetValues& values, Edit edit,
                       TCommand onto = {}) {
  const InternetShown shown = ShowInternetStep(step, step.kind, values);
  std::uint8_t kind = shown.currentKind;
  edit(values, kind);
  ApplyInternetStep(kind, values, onto);
  return onto;
}

void NoEdit(InternetValues&, std::uint8_t&) {}

TEST(InternetDialogTest, SendEmailPacksSubFieldsAndShowsThemBack) {
  InternetValues values;
  const TCommand added = ShowEditApply({vx::ckSendEmail, "", "", "", "", 1}, values,
                                       [](InternetValues& v, std::uint8_t&) {
                                         v.smtpServer = "mail";
                                         v.smtpPort = "25";
                                         v.smtpUserName = "u";
                                         v.smtpPassword = "p w";
                                         v.smtpTo = "a";
                                         v.smtpSubject = "s";
                                         v.smtpBody = "line 1\r\nline 2";
                                       });
  EXPECT_EQ(added, (TCommand{235, "mail" + S + "25" + S + "u" + S + "p w", "a" + S + "s",
                             "line 1\r\nline 2", "", 1}));

  InternetValues fresh;
  const InternetShown shown = ShowInternetStep(added, added.kind, fresh);
  EXPECT_EQ(fresh.smtpServer, "mail");
  EXPECT_EQ(fresh.smtpPort, "25");
  EXPECT_EQ(fresh.smtpUserName, "u");
  EXPECT_EQ(fresh.smtpPassword, "p w");
  EXPECT_EQ(fresh.smtpTo, "a");
  EXPECT_EQ(fresh.smtpSubject, "s");
  EXPECT_EQ(fresh.smtpBody, "line 1\r\nline 2");
  ASSERT_TRUE(shown.view);
  EXPECT_EQ(shown.view->page, InternetPage::Email);
  EXPECT_EQ(shown.view->title, "Send Email");
  EXPECT_EQ(shown.view->description, vx::StepKindDescription(235));
}

TEST(InternetDialogTest, EmptyBoxesStillWriteEverySeparator) {
  InternetValues values;
  EXPECT_EQ(ShowEditApply({235, "", "", "", "", 1}, values, NoEdit),
            (TCommand{235, S + S + S, S, "", "", 1}));

  // A server without separators after a full step: port, user and password show empty and
  // come back packed.
  ShowInternetStep({235, "m" + S + "25" + S + "u" + S + "pw", "a" + S + "s", "x", "", 1}, 235,
                   values);
  EXPECT_EQ(ShowEditApply({235, "mail", "to", "b", "note", 0}, values, NoEdit),
            (TCommand{235, "mail" + S + S + S, "to" + S, "b", "", 1}));
}

TEST(InternetDialogTest, EachFtpKindKeepsItsOwnBoxes) {
  // Each edit after another: no log-on value of the step before may stay in the boxes.
  const TCommand steps[] = {
      {vx::ckFtpRenameFile, "h1" + S + "u1" + S + "pw1", "old", "new", "", 1},
      {vx::ckFtpDeleteFile, "h2" + S + "u2", "gone", "", "", 1},
      {vx::ckFtpUploadFile, "h3" + S + S + "pw3", "C:\\local", "remote", "", 1},
      {vx::ckFtpDownloadFile, "h4", "C:\\dl", "remote.txt", "", 1},
  };
  const std::string logOns[] = {"h1" + S + "u1" + S + "pw1", "h2" + S + "u2" + S,
                                "h3" + S + S + "pw3", "h4" + S + S};
  InternetValues values;
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    // Shown and applied onto a new step, every kind stores what it was.
    TCommand expected = steps[i];
    expected.p1 = logOns[i];
    EXPECT_EQ(ShowEditApply(steps[i], values, NoEdit), expected) << i;
    EXPECT_EQ(values.ftpAction, steps[i].kind);
  }
  // Delete uses no p3: applied onto the edited step, its p3 stays.
  const TCommand deleted{vx::ckFtpDeleteFile, "h" + S + "u" + S + "p", "gone", "kept", "c", 0};
  EXPECT_EQ(ShowEditApply(deleted, values, NoEdit, deleted), deleted);
  // Each showing left the other actions' boxes alone.
  EXPECT_EQ(values.ftpRenameOld, "old");
  EXPECT_EQ(values.ftpDeleteFile, "gone");
  EXPECT_EQ(values.ftpUploadLocal, "C:\\local");
  EXPECT_EQ(values.ftpDownloadRemote, "remote.txt");
}

TEST(InternetDialogTest, UploadOpensTheFtpPageWithTheDownloadDescription) {
  InternetValues values;
  const InternetShown shown =
      ShowInternetStep({238, "h" + S + "u" + S + "p", "l", "r", "", 1}, 238, values);
  EXPECT_EQ(shown.currentKind, 238);
  EXPECT_EQ(values.ftpAction, 238);
  EXPECT_EQ(values.ftpHost, "h");
  EXPECT_EQ(values.ftpUploadLocal, "l");
  EXPECT_EQ(values.ftpUploadRemote, "r");
  ASSERT_TRUE(shown.view);
  EXPECT_EQ(shown.view->page, InternetPage::Ftp);
  EXPECT_EQ(shown.view->title, "FTP Operations");
  EXPECT_EQ(shown.view->description, vx::StepKindDescription(239));
}

TEST(InternetDialogTest, KindSwitchesByRadioAndLinks) {
  InternetValues values;
  // Delete File turned into Rename File by its radio button.
  const TCommand renamed = ShowEditApply({237, "h" + S + S, "x", "", "c", 1}, values,
                                         [](InternetValues& v, std::uint8_t& kind) {
                                           CheckFtpAction(v, vx::ckFtpRenameFile, kind);
                                           v.ftpRenameOld = "a.txt";
                                           v.ftpRenameNew = "b.txt";
                                         });
  EXPECT_EQ(renamed, (TCommand{236, "h" + S + S, "a.txt", "b.txt", "", 1}));

  // A Send Email step stays one when the FTP link is clicked and no radio button, even
  // one left checked from an earlier showing.
  const TCommand stillMail =
      ShowEditApply({235, "srv", "", "", "", 1}, values, [](InternetValues& v, std::uint8_t& kind) {
        FollowInternetLink(InternetPage::Ftp, kind);
        CheckFtpAction(v, vx::ckFtpRenameFile, kind);  // already checked: no change
      });
  EXPECT_EQ(stillMail.kind, vx::ckSendEmail);
  EXPECT_EQ(stillMail.p1, "srv" + S + S + S);

  // Upload turned into Send Email by the link, applied onto the edited step: every field is
  // rewritten from the mail page.
  const TCommand upload{238, "h" + S + "u" + S + "p", "l", "r", "", 1};
  const TCommand mail = ShowEditApply(
      upload, values,
      [](InternetValues& v, std::uint8_t& kind) {
        FollowInternetLink(InternetPage::Email, kind);
        v = InternetValues{};
      },
      upload);
  EXPECT_EQ(mail, (TCommand{235, S + S + S, S, "", "", 1}));
}

TEST(InternetDialogTest, SeparatorNeverEntersASubField) {
  // Whatever reached a log-on box, the step keeps its sub-fields apart; the body and the
  // file names are whole fields and stored as typed.
  InternetValues values;
  values.smtpUserName =
      "a\x01"
      "b";
  values.smtpBody = "x\x01y";
  TCommand step;
  ApplyInternetStep(vx::ckSendEmail, values, step);
  EXPECT_EQ(vx::GetField(step.p1, vx::FieldSeparator, 2), "ab");
  EXPECT_EQ(vx::GetField(step.p1, vx::FieldSeparator, 3), "");
  EXPECT_EQ(step.p3, "x\x01y");
}

}  // namespace
