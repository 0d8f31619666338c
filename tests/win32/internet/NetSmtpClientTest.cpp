#include <gtest/gtest.h>

#include "LineLog.h"
#include "NetPeers.h"
#include "UnusedPorts.h"
#include "core/Errors.h"
#include "core/Interpreter.h"
#include "core/StepKinds.h"
#include "win32/internet/SmtpClient.h"

namespace {

using Strings = std::vector<std::string>;
using vx::win32::SmtpClient;

struct StoredMessage {
  std::string from;
  std::string recipients;
  Strings headers;
  Strings body;
};

Strings Lines(const std::string& text) {
  Strings lines;
  std::size_t start = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The one stored message whose envelope names recipient.
StoredMessage MessageTo(const std::string& recipient) {
  StoredMessage found;
  int count = 0;
  for (const std::string& text : vxtest::NetPeers::Messages()) {
    const Strings lines = Lines(text);
    if (lines.size() < 2 || lines[1].find(recipient) == std::string::npos) continue;
    ++count;
    found.from = lines[0];
    found.recipients = lines[1];
    std::size_t i = 2;
    for (; i < lines.size() && !lines[i].empty(); ++i) found.headers.push_back(lines[i]);
    found.body.assign(lines.begin() + static_cast<long>(std::min(i + 1, lines.size())),
                      lines.end());
  }
  EXPECT_EQ(count, 1) << "messages to " << recipient;
  return found;
}

class NetSmtpClient : public ::testing::Test {
 protected:
  vxtest::NetPeers peers_;
  SmtpClient client_;

  void Login(const std::string& server, const std::string& password) {
    client_.SetConnection("127.0.0.1", peers_.Port(server), vxtest::kSmtpUser, password);
  }
};

TEST_F(NetSmtpClient, DeliversToEveryRecipientWithSubjectAndBodyLines) {
  const std::string a = vxtest::UniqueName("-a@x.test");
  const std::string b = vxtest::UniqueName("-b@x.test");
  Login("smtp", vxtest::kSmtpPassword);
  client_.Connect();
  client_.Send({a + "; " + b, "Weekly report",
                "First line\r\n.leading dot\r\n.\r\n\r\nlast line\nafter a bare LF"});
  client_.Disconnect();

  const StoredMessage message = MessageTo(a);
  EXPECT_EQ(message.from, "FROM <>");
  EXPECT_EQ(message.recipients, "RCPT " + a + "," + b);
  EXPECT_EQ(message.headers, (Strings{"To: " + a + ", " + b, "Subject: Weekly report"}));
  EXPECT_EQ(message.body,
            (Strings{"First line", ".leading dot", ".", "", "last line", "after a bare LF"}));
}

TEST_F(NetSmtpClient, LogsInWithPlainWhereOnlyPlainIsOfferedAndSendsWithoutLoginWhenNoUser) {
  const std::string plain = vxtest::UniqueName("-plain@x.test");
  Login("smtpplain", vxtest::kSmtpPassword);
  client_.Connect();
  client_.Send({plain, "plain", "text"});
  client_.Disconnect();
  EXPECT_EQ(MessageTo(plain).body, Strings{"text"});

  const std::string anonymous = vxtest::UniqueName("-anonymous@x.test");
  client_.SetConnection("127.0.0.1", peers_.Port("smtp"), "", "");
  client_.Connect();
  client_.Send({anonymous, "no login", "text"});
  client_.Disconnect();
  EXPECT_EQ(MessageTo(anonymous).recipients, "RCPT " + anonymous);
}

TEST_F(NetSmtpClient, SaysHeloWhereEhloIsRefused) {
  const std::string old = vxtest::UniqueName("-helo@x.test");
  client_.SetConnection("127.0.0.1", peers_.Port("smtphelo"), "", "");
  client_.Connect();
  client_.Send({old, "helo", "text"});
  client_.Disconnect();
  EXPECT_EQ(MessageTo(old).body, Strings{"text"});
  // Such a server offers no AUTH: with a user name given, the mail still goes, without a
  // login, instead of a refused command ending the run.
  const std::string withUser = vxtest::UniqueName("-helo-user@x.test");
  Login("smtphelo", vxtest::kSmtpPassword);
  client_.Connect();
  client_.Send({withUser, "helo", "with a user"});
  client_.Disconnect();
  EXPECT_EQ(MessageTo(withUser).body, Strings{"with a user"});
}

TEST_F(NetSmtpClient, ARefusedLoginRaisesWithTheServersReply) {
  for (const std::string server : {"smtp", "smtpplain"}) {
    Login(server, "wrong");
    try {
      client_.Connect();
      ADD_FAILURE() << server << " accepted a wrong password";
    } catch (const vx::NetworkError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, 4), "535 ") << error.what();
    }
  }
  // The client recovers: the next step's connection starts afresh.
  const std::string after = vxtest::UniqueName("-after@x.test");
  Login("smtp", vxtest::kSmtpPassword);
  client_.Connect();
  client_.Send({after, "", ""});
  client_.Disconnect();
  EXPECT_EQ(MessageTo(after).recipients, "RCPT " + after);
}

TEST_F(NetSmtpClient, RefusedRecipientAndMissingRecipientsRaise) {
  Login("smtp", vxtest::kSmtpPassword);
  client_.Connect();
  EXPECT_THROW(client_.Send({"not an address <", "", ""}), vx::NetworkError);
  client_.Disconnect();
  client_.Connect();
  EXPECT_THROW(client_.Send({" ; , ", "", ""}), vx::NetworkError);
  client_.Disconnect();
}

TEST_F(NetSmtpClient, AServerThatIsNotThereOrDoesNotAnswerRaisesInsteadOfWaitingForEver) {
  WSADATA data;
  ASSERT_EQ(::WSAStartup(MAKEWORD(2, 2), &data), 0);
  // A socket that listens but never answers: the connection is made, no greeting comes.
  vx::win32::UniqueSocket silent(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(silent.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(silent.Get(), 4), 0);
  int size = sizeof address;
  ::getsockname(silent.Get(), reinterpret_cast<sockaddr*>(&address), &size);
  const int silentPort = ntohs(address.sin_port);

  SmtpClient impatient(std::chrono::milliseconds(300));
  impatient.SetConnection("127.0.0.1", silentPort, "", "");
  EXPECT_THROW(impatient.Connect(), vx::NetworkError);

  silent.Reset();  // now nothing listens there
  EXPECT_THROW(impatient.Connect(), vx::NetworkError);
  impatient.SetConnection("127.0.0.1", 0, "", "");
  EXPECT_THROW(impatient.Connect(), vx::NetworkError);
  impatient.SetConnection("", 25, "", "");
  EXPECT_THROW(impatient.Connect(), vx::NetworkError);
  ::WSACleanup();
}

TEST_F(NetSmtpClient, SendEmailStepSendsToTheValueOfAVariableInTheRecipients) {
  const std::string to = vxtest::UniqueName("-var@x.test");
  vxtest::LineLog log;
  vx::PlayerState state;
  vxtest::UnusedPorts unused;
  vx::Ports ports{.clipboard = unused,
                  .windows = unused,
                  .system = unused,
                  .shell = unused,
                  .input = unused,
                  .smtp = client_,
                  .ftp = unused,
                  .boxes = unused};
  vx::StepContext context{log, state, ports};
  vx::ExecuteStep(context, {vx::ckSetVariable, "to", to, "", "", 1});
  const std::string sep(1, vx::FieldSeparator);
  vx::ExecuteStep(context, {vx::ckSendEmail,
                            "127.0.0.1" + sep + std::to_string(peers_.Port("smtp")) + sep +
                                vxtest::kSmtpUser + sep + vxtest::kSmtpPassword,
                            "%to%" + sep + "For %to%", "Sent to %to%", "", 1});
  EXPECT_EQ(log.lines,
            (Strings{"Creating a new variable to with a value " + to,
                     "Connecting to SMTP server...", "Sending Message...", "Diconnecting..."}));
  const StoredMessage message = MessageTo(to);
  EXPECT_EQ(message.recipients, "RCPT " + to);
  EXPECT_EQ(message.headers.back(), "Subject: For " + to);
  EXPECT_EQ(message.body, Strings{"Sent to " + to});
}

}  // namespace
