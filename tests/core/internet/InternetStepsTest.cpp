#include <gtest/gtest.h>

#include "UnusedPorts.h"
#include "core/Errors.h"
#include "core/Interpreter.h"
#include "core/StepKinds.h"
#include "core/internet/InternetFakes.h"

namespace {

using vxtest::Trace;

std::string Join(std::initializer_list<std::string> fields) {
  std::string text;
  bool first = true;
  for (const std::string& field : fields) {
    if (!first) text += vx::FieldSeparator;
    text += field;
    first = false;
  }
  return text;
}

class InternetSteps : public ::testing::Test {
 protected:
  void Run(std::uint8_t kind, std::string p1, std::string p2, std::string p3) {
    vx::TCommand step;
    step.kind = kind;
    step.p1 = std::move(p1);
    step.p2 = std::move(p2);
    step.p3 = std::move(p3);
    step.p4 = "comment";
    vx::StepContext context{log_, state_, ports_};
    vx::ExecuteStep(context, step);
  }

  void Declare(const std::string& name, const std::string& value) {
    vx::TCommand step;
    step.kind = vx::ckSetVariable;
    step.p1 = name;
    step.p2 = value;
    vx::StepContext context{log_, state_, ports_};
    vx::ExecuteStep(context, step);
    trace_.clear();
  }

  Trace trace_;
  vxtest::LineLog log_{trace_};
  vxtest::FakeSmtp smtp_{trace_};
  vxtest::FakeFtp ftp_{trace_};
  vxtest::UnusedPorts unused_;
  vx::PlayerState state_;
  vx::Ports ports_{.clipboard = unused_,
                   .windows = unused_,
                   .system = unused_,
                   .shell = unused_,
                   .input = unused_,
                   .smtp = smtp_,
                   .ftp = ftp_,
                   .boxes = unused_};
};

TEST_F(InternetSteps, SendEmailSetsEverythingThenConnectsSendsAndDisconnects) {
  Run(vx::ckSendEmail, Join({"mail.example.com", "2525", "alice", "secret"}),
      Join({"bob@example.com; carol@example.com", "Report"}), "line one\r\nline two");
  EXPECT_EQ(trace_,
            (Trace{"smtp settings mail.example.com|2525|alice|secret",
                   "log Connecting to SMTP server...", "smtp connect", "log Sending Message...",
                   "smtp send", "log Diconnecting...", "smtp disconnect"}));
  ASSERT_EQ(smtp_.sent.size(), 1u);
  EXPECT_EQ(smtp_.sent[0], (vx::SmtpMessage{"bob@example.com; carol@example.com", "Report",
                                            "line one\r\nline two"}));
}

TEST_F(InternetSteps, SendEmailReadsMissingSubFieldsAsEmpty) {
  Run(vx::ckSendEmail, Join({"host", "25"}), "to@example.com", "");
  EXPECT_EQ(trace_.front(), "smtp settings host|25||");
  ASSERT_EQ(smtp_.sent.size(), 1u);
  EXPECT_EQ(smtp_.sent[0], (vx::SmtpMessage{"to@example.com", "", ""}));
}

TEST_F(InternetSteps, SendEmailReadsThePortByTheIntegerRule) {
  Run(vx::ckSendEmail, Join({"host", " $19"}), "to@example.com", "");
  EXPECT_EQ(trace_.front(), "smtp settings host|25||");
}

TEST_F(InternetSteps, SendEmailWithABadPortFailsBeforeAnythingIsLoggedOrCalled) {
  for (const std::string port : {"", "25 ", "smtp", "99999999999"}) {
    trace_.clear();
    try {
      Run(vx::ckSendEmail, Join({"host", port, "user", "pw"}), "to@example.com", "body");
      ADD_FAILURE() << "port '" << port << "' was accepted";
    } catch (const vx::ConvertError& error) {
      EXPECT_EQ(std::string(error.what()), "'" + port + "' is not a valid integer value");
    }
    EXPECT_TRUE(trace_.empty()) << "port '" << port << "'";
  }
  // A step without a port sub-field at all reads the port as empty.
  EXPECT_THROW(Run(vx::ckSendEmail, "host", "to@example.com", ""), vx::ConvertError);
  EXPECT_TRUE(trace_.empty());
}

TEST_F(InternetSteps, SendEmailSubstitutesRecipientsSubjectAndBodyOnly) {
  Declare("who", "bob@example.com");
  Run(vx::ckSendEmail, Join({"%who%", "25", "%who%", "%who%"}),
      Join({"%who%,carol@example.com", "For %who%"}), "Dear %who%\r\n%unknown%");
  EXPECT_EQ(trace_.front(), "smtp settings %who%|25|%who%|%who%");
  ASSERT_EQ(smtp_.sent.size(), 1u);
  EXPECT_EQ(smtp_.sent[0],
            (vx::SmtpMessage{"bob@example.com,carol@example.com", "For bob@example.com",
                             "Dear bob@example.com\r\n%unknown%"}));
}

TEST_F(InternetSteps, SendEmailStopsAtTheCallThatRaises) {
  smtp_.failOn = "smtp connect";
  EXPECT_THROW(Run(vx::ckSendEmail, Join({"host", "25"}), "to@example.com", ""), vx::NetworkError);
  EXPECT_EQ(trace_,
            (Trace{"smtp settings host|25||", "log Connecting to SMTP server...", "smtp connect"}));

  trace_.clear();
  smtp_.failOn = "smtp send";
  EXPECT_THROW(Run(vx::ckSendEmail, Join({"host", "25"}), "to@example.com", ""), vx::NetworkError);
  EXPECT_EQ(trace_, (Trace{"smtp settings host|25||", "log Connecting to SMTP server...",
                           "smtp connect", "log Sending Message...", "smtp send"}));
}

TEST_F(InternetSteps, EachFtpKindLogsItsLinesAroundItsOperation) {
  const std::string logon = Join({"ftp.example.com", "user", "pw"});
  struct Case {
    std::uint8_t kind;
    Trace middle;
  };
  const Case cases[] = {
      {vx::ckFtpRenameFile,
       {"log Connected, Renaming file...", "ftp rename old.txt|new.txt",
        "log File Renamed, Disconnecting..."}},
      {vx::ckFtpDeleteFile,
       {"log Connected, Deleting file...", "ftp delete old.txt",
        "log File Deleted, Disconnecting..."}},
      {vx::ckFtpUploadFile,
       {"log Connected, Uploading file...", "ftp put old.txt|new.txt",
        "log File Uploaded, Disconnecting"}},
      {vx::ckFtpDownloadFile,
       {"log Connected, Downloading file...", "ftp get new.txt|old.txt",
        "log File Downloaded, Disconnecting"}},
  };
  for (const Case& c : cases) {
    trace_.clear();
    Run(c.kind, logon, "old.txt", "new.txt");
    Trace expected{"ftp settings ftp.example.com|user|pw", "log Connecting...", "ftp connect"};
    expected.insert(expected.end(), c.middle.begin(), c.middle.end());
    expected.push_back("ftp quit");
    EXPECT_EQ(trace_, expected) << "kind " << int(c.kind);
  }
}

TEST_F(InternetSteps, FtpFieldsAreUsedAsWritten) {
  Declare("f", "value");
  Run(vx::ckFtpUploadFile, Join({"%f%", "%f%", "%f%"}), "C:\\%f%.txt", "");
  EXPECT_EQ(trace_, (Trace{"ftp settings %f%|%f%|%f%", "log Connecting...", "ftp connect",
                           "log Connected, Uploading file...", "ftp put C:\\%f%.txt|",
                           "log File Uploaded, Disconnecting", "ftp quit"}));
}

TEST_F(InternetSteps, TwoFtpStepsEachConnectToTheirOwnHost) {
  Run(vx::ckFtpDeleteFile, Join({"first.example.com", "u1", "p1"}), "a.txt", "");
  Run(vx::ckFtpDeleteFile, Join({"second.example.com"}), "b.txt", "");
  EXPECT_EQ(trace_[0], "ftp settings first.example.com|u1|p1");
  EXPECT_EQ(trace_[7], "ftp settings second.example.com||");
  EXPECT_EQ(trace_[9], "ftp connect");
}

TEST_F(InternetSteps, FtpStepStopsAtTheCallThatRaises) {
  ftp_.failOn = "ftp connect";
  EXPECT_THROW(Run(vx::ckFtpRenameFile, "host", "a", "b"), vx::NetworkError);
  EXPECT_EQ(trace_, (Trace{"ftp settings host||", "log Connecting...", "ftp connect"}));

  trace_.clear();
  ftp_.failOn = "ftp get";
  EXPECT_THROW(Run(vx::ckFtpDownloadFile, "host", "local", "remote"), vx::NetworkError);
  EXPECT_EQ(trace_, (Trace{"ftp settings host||", "log Connecting...", "ftp connect",
                           "log Connected, Downloading file...", "ftp get remote|local"}));
}

}  // namespace
