// The internet dialog: a step shown in the boxes and applied back gives the stored step.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "core/StepKinds.h"
#include "core/editor/MappedDialog.h"
#include "core/editor/dialogs/InternetDialogFields.h"

namespace {

using vx::TCommand;
using namespace vx::editor;
using namespace vxtest;

const std::string S(1, vx::FieldSeparator);

const MappedDialog Dialog{InternetMapping, InternetControlCount};

// An FTP radio button that becomes checked: the button and the current kind.
void CheckFtp(DialogValues& values, std::uint8_t& kind, std::uint8_t chosen) {
  CheckKind(values[icFtpAction], FtpKinds, kind, chosen);
}

std::uint8_t CheckedFtp(const DialogValues& values) {
  return CheckedKind(values[icFtpAction], FtpKinds);
}

std::vector<std::string> Texts(const DialogValues& values, std::initializer_list<int> controls) {
  std::vector<std::string> texts;
  for (const int control : controls) texts.push_back(values[control].text);
  return texts;
}

TEST(InternetDialogTest, SendEmailPacksSubFieldsAndShowsThemBack) {
  DialogValues values = Dialog.Fresh();
  const TCommand added = Dialog.ShowEditApply({vx::ckSendEmail, "", "", "", "", 1}, values,
                                              [](DialogValues& v, std::uint8_t&) {
                                                v[icSmtpServer].text = "mail";
                                                v[icSmtpPort].text = "25";
                                                v[icSmtpUserName].text = "u";
                                                v[icSmtpPassword].text = "p w";
                                                v[icSmtpTo].text = "a";
                                                v[icSmtpSubject].text = "s";
                                                v[icSmtpBody].text = "line 1\r\nline 2";
                                              });
  EXPECT_EQ(added, (TCommand{235, "mail" + S + "25" + S + "u" + S + "p w", "a" + S + "s",
                             "line 1\r\nline 2", "", 1}));

  DialogValues fresh = Dialog.Fresh();
  ShowStepValues(InternetMapping, added, {}, fresh);
  EXPECT_EQ(Texts(fresh, {icSmtpServer, icSmtpPort, icSmtpUserName, icSmtpPassword, icSmtpTo,
                          icSmtpSubject, icSmtpBody}),
            (std::vector<std::string>{"mail", "25", "u", "p w", "a", "s", "line 1\r\nline 2"}));
}

TEST(InternetDialogTest, EmptyBoxesStillWriteEverySeparator) {
  DialogValues values = Dialog.Fresh();
  EXPECT_EQ(Dialog.ShowEditApply({235, "", "", "", "", 1}, values, NoEdit),
            (TCommand{235, S + S + S, S, "", "", 1}));

  // A server without separators after a full step: port, user and password show empty and
  // come back packed.
  ShowStepValues(InternetMapping,
                 {235, "m" + S + "25" + S + "u" + S + "pw", "a" + S + "s", "x", "", 1}, {}, values);
  EXPECT_EQ(Dialog.ShowEditApply({235, "mail", "to", "b", "note", 0}, values, NoEdit),
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
  DialogValues values = Dialog.Fresh();
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    // Shown and applied onto a new step, every kind stores what it was.
    TCommand expected = steps[i];
    expected.p1 = logOns[i];
    EXPECT_EQ(Dialog.ShowEditApply(steps[i], values, NoEdit), expected) << i;
    EXPECT_EQ(CheckedFtp(values), steps[i].kind);
  }
  // Delete uses no p3: applied onto the edited step, its p3 stays.
  const TCommand deleted{vx::ckFtpDeleteFile, "h" + S + "u" + S + "p", "gone", "kept", "c", 0};
  EXPECT_EQ(Dialog.ShowEditApply(deleted, values, NoEdit, deleted), deleted);
  // Each showing left the other actions' boxes alone.
  EXPECT_EQ(Texts(values, {icFtpRenameOld, icFtpDeleteFile, icFtpUploadLocal, icFtpDownloadRemote}),
            (std::vector<std::string>{"old", "gone", "C:\\local", "remote.txt"}));
}

TEST(InternetDialogTest, KindSwitchesByRadioAndLinks) {
  DialogValues values = Dialog.Fresh();
  // Delete File turned into Rename File by its radio button.
  const TCommand renamed = Dialog.ShowEditApply({237, "h" + S + S, "x", "", "c", 1}, values,
                                                [](DialogValues& v, std::uint8_t& kind) {
                                                  CheckFtp(v, kind, vx::ckFtpRenameFile);
                                                  v[icFtpRenameOld].text = "a.txt";
                                                  v[icFtpRenameNew].text = "b.txt";
                                                });
  EXPECT_EQ(renamed, (TCommand{236, "h" + S + S, "a.txt", "b.txt", "", 1}));

  // A Send Email step stays one when the FTP link is clicked and no radio button, even
  // one left checked from an earlier showing (a click on it runs no click action).
  const TCommand stillMail = Dialog.ShowEditApply({235, "srv", "", "", "", 1}, values,
                                                  [](DialogValues& v, std::uint8_t& kind) {
                                                    FollowInternetLink(InternetPage::Ftp, kind);
                                                    EXPECT_EQ(CheckedFtp(v), vx::ckFtpRenameFile);
                                                  });
  EXPECT_EQ(stillMail.kind, vx::ckSendEmail);
  EXPECT_EQ(stillMail.p1, "srv" + S + S + S);

  // Upload turned into Send Email by the link, applied onto the edited step: every field is
  // rewritten from the mail page.
  const TCommand upload{238, "h" + S + "u" + S + "p", "l", "r", "", 1};
  const TCommand mail = Dialog.ShowEditApply(
      upload, values,
      [](DialogValues& v, std::uint8_t& kind) {
        FollowInternetLink(InternetPage::Email, kind);
        v = Dialog.Fresh();
      },
      upload);
  EXPECT_EQ(mail, (TCommand{235, S + S + S, S, "", "", 1}));
}

TEST(InternetDialogTest, SeparatorNeverEntersASubField) {
  // Whatever reached a log-on box, the step keeps its sub-fields apart; the body and the
  // file names are whole fields and stored as typed.
  DialogValues values = Dialog.Fresh();
  values[icSmtpUserName].text =
      "a\x01"
      "b";
  values[icSmtpBody].text = "x\x01y";
  TCommand step;
  ApplyStepValues(InternetMapping, vx::ckSendEmail, values, step);
  EXPECT_EQ(vx::GetField(step.p1, vx::FieldSeparator, 2), "ab");
  EXPECT_EQ(vx::GetField(step.p1, vx::FieldSeparator, 3), "");
  EXPECT_EQ(step.p3, "x\x01y");
}

}  // namespace
