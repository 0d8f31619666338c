#include <gtest/gtest.h>

#include "win32/internet/SmtpText.h"

namespace {

using Strings = std::vector<std::string>;
using namespace vx::win32;

TEST(NetSmtpText, RecipientsSplitAtCommasAndSemicolonsTrimmedAndWithoutEmptyItems) {
  EXPECT_EQ(SplitRecipients(" a@x.test;b@x.test , c@x.test;; ,"),
            (Strings{"a@x.test", "b@x.test", "c@x.test"}));
  EXPECT_EQ(SplitRecipients("  "), Strings{});
  EXPECT_EQ(MailboxOf("Bob Smith <bob@x.test>"), "bob@x.test");
  EXPECT_EQ(MailboxOf("bob@x.test"), "bob@x.test");
}

TEST(NetSmtpText, BodyLinesEndInCrLfAndLeadingDotsAreDoubled) {
  EXPECT_EQ(BuildMessageData({"a@x.test", "b@x.test"}, "Hello", "one\n.two\r\n.\rlast\r\n"),
            "To: a@x.test, b@x.test\r\nSubject: Hello\r\n\r\n"
            "one\r\n..two\r\n..\r\nlast\r\n.\r\n");
  EXPECT_EQ(BuildMessageData({"a@x.test"}, "", ""), "To: a@x.test\r\nSubject: \r\n\r\n.\r\n");
  // Empty lines inside the body stay; only a final line break opens no further line.
  EXPECT_EQ(SplitLines("a\r\n\r\nb\n"), (Strings{"a", "", "b"}));
}

TEST(NetSmtpText, ALineBreakInASubjectCannotStartAHeaderOrTheBody) {
  EXPECT_EQ(BuildMessageData({"a@x.test"}, "Hi\r\nBcc: evil@x.test\n\nbody", "text"),
            "To: a@x.test\r\nSubject: Hi  Bcc: evil@x.test  body\r\n\r\ntext\r\n.\r\n");
}

TEST(NetSmtpText, Base64OfEveryPaddingLength) {
  EXPECT_EQ(Base64(""), "");
  EXPECT_EQ(Base64("m"), "bQ==");
  EXPECT_EQ(Base64("ma"), "bWE=");
  EXPECT_EQ(Base64("mailer"), "bWFpbGVy");
  EXPECT_EQ(Base64(std::string("\0u\0p", 4)), "AHUAcA==");
  EXPECT_EQ(Base64("\xff\xfe"), "//4=");
}

TEST(NetSmtpText, AuthMechanismsFromBothSpellingsOfTheAuthLine) {
  SmtpReply ehlo{250, {"mail.x.test Hello", "SIZE 1000", "auth login Plain", "AUTH=CRAM-MD5"}};
  EXPECT_EQ(AuthMechanisms(ehlo), (Strings{"LOGIN", "PLAIN", "CRAM-MD5"}));
  EXPECT_EQ(AuthMechanisms(SmtpReply{250, {"AUTHORITY x"}}), Strings{});
  EXPECT_EQ((SmtpReply{535, {"5.7.8 Bad", "credentials"}}).Text(), "535 5.7.8 Bad credentials");
}

}  // namespace
