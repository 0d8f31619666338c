// The internet dialog: a step shown in the boxes and applied back gives the stored step.
#include <gtest/gtest.h>

#include "core/StepKinds.h"
#include "core/editor/dialogs/CriteriaBoxes.h"
#include "core/editor/dialogs/InternetDialogFields.h"

namespace {

using vx::TCommand;
using namespace vx::editor;

const std::string S(1, vx::FieldSeparator);

// Show the step as the dialog opens it, let edit change the boxes and the kind, apply.
template <typename Edit>
TCommand ShowEditApply(TCommand step, InternetValues& values, Edit edit) {
  const InternetShown shown = ShowInternetStep(step, step.kind, values);
  std::uint8_t kind = shown.currentKind;
  edit(values, kind);
  ApplyInternetStep(kind, values, step);
  return step;
}

TEST(InternetDialogTest, SendEmailPacksSubFieldsAndShowsThemBack) {
  InternetValues values;
  TCommand added{vx::ckSendEmail, "", "", "", "", 1};
  added = ShowEditApply(added, values, [](InternetValues& v, std::uint8_t&) {
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
  const TCommand stored =
      ShowEditApply({235, "", "", "", "", 1}, values, [](InternetValues&, std::uint8_t&) {});
  EXPECT_EQ(stored.p1, S + S + S);
  EXPECT_EQ(stored.p2, S);
  EXPECT_EQ(stored.p3, "");

  // A server without separators: port, user and password show empty and come back packed.
  const TCommand bare = ShowEditApply({235, "mail", "to", "b", "note", 0}, values,
                                      [](InternetValues&, std::uint8_t&) {});
  EXPECT_EQ(bare, (TCommand{235, "mail" + S + S + S, "to" + S, "b", "note", 0}));
}

TEST(InternetDialogTest, EachFtpKindKeepsItsOwnBoxes) {
  const TCommand steps[] = {
      {vx::ckFtpRenameFile, "h" + S + "u" + S + "pw", "old", "new", "c1", 1},
      {vx::ckFtpDeleteFile, "h" + S + "u" + S + "pw", "gone", "kept p3", "c2", 0},
      {vx::ckFtpUploadFile, "h" + S + "u" + S + "pw", "C:\\local", "remote", "", 1},
      {vx::ckFtpDownloadFile, "h" + S + "u" + S + "pw", "C:\\dl", "remote.txt", "", 1},
  };
  InternetValues values;
  for (const TCommand& step : steps) {
    // Shown and applied unchanged, every kind stores exactly what it was.
    EXPECT_EQ(ShowEditApply(step, values, [](InternetValues&, std::uint8_t&) {}), step)
        << int(step.kind);
    EXPECT_EQ(values.ftpAction, step.kind);
  }
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
  EXPECT_EQ(renamed, (TCommand{236, "h" + S + S, "a.txt", "b.txt", "c", 1}));

  // A Send Email step stays one when the FTP link is clicked and no radio button, even
  // one left checked from an earlier showing.
  values.smtpServer = "srv";
  const TCommand stillMail =
      ShowEditApply({235, "srv", "", "", "", 1}, values, [](InternetValues& v, std::uint8_t& kind) {
        FollowInternetLink(InternetPage::Ftp, kind);
        CheckFtpAction(v, vx::ckFtpRenameFile, kind);  // already checked: no change
      });
  EXPECT_EQ(stillMail.kind, vx::ckSendEmail);
  EXPECT_EQ(stillMail.p1, "srv" + S + S + S);

  // Upload turned into Send Email by the link: every field is rewritten from the mail page.
  const TCommand mail = ShowEditApply({238, "h" + S + "u" + S + "p", "l", "r", "", 1}, values,
                                      [](InternetValues& v, std::uint8_t& kind) {
                                        FollowInternetLink(InternetPage::Email, kind);
                                        v = InternetValues{};
                                      });
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
