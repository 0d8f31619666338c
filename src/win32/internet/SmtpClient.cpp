#include "win32/internet/SmtpClient.h"

#include <algorithm>

#include "core/Errors.h"

namespace vx::win32 {
namespace {

std::string LocalHostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name) != 0 || name[0] == '\0') return "localhost";
  return name;
}

bool Offers(const std::vector<std::string>& mechanisms, const std::string& name) {
  return std::find(mechanisms.begin(), mechanisms.end(), name) != mechanisms.end();
}

}  // namespace

void SmtpClient::SetConnection(const std::string& host, std::int32_t port,
                               const std::string& username, const std::string& password) {
  host_ = host;
  port_ = port;
  username_ = username;
  password_ = password;
}

SmtpReply SmtpClient::Expect(int expected) {
  SmtpReply reply = socket_.ReadReply();
  if (reply.code != expected) throw NetworkError(reply.Text());
  return reply;
}

SmtpReply SmtpClient::Command(const std::string& line, int expected) {
  socket_.Write(line + "\r\n");
  return Expect(expected);
}

void SmtpClient::Connect() {
  // A step that failed half-way left its connection open; Open starts afresh.
  socket_.Open(host_, port_);
  Expect(220);
  Greet();
}

void SmtpClient::Greet() {
  const std::string name = LocalHostName();
  socket_.Write("EHLO " + name + "\r\n");
  const SmtpReply ehlo = socket_.ReadReply();
  if (ehlo.code != 250) {
    // A server that knows no extensions answers HELO only, and offers no authentication.
    Command("HELO " + name, 250);
    return;
  }
  // A login is what the server asks for when it offers one; one that offers none takes the
  // mail without.
  const std::vector<std::string> mechanisms = AuthMechanisms(ehlo);
  if (!username_.empty() && !mechanisms.empty()) Authenticate(mechanisms);
}

void SmtpClient::Authenticate(const std::vector<std::string>& mechanisms) {
  if (Offers(mechanisms, "PLAIN") && !Offers(mechanisms, "LOGIN")) {
    Command("AUTH PLAIN " + Base64(std::string(1, '\0') + username_ + '\0' + password_), 235);
    return;
  }
  Command("AUTH LOGIN", 334);
  Command(Base64(username_), 334);
  Command(Base64(password_), 235);
}

void SmtpClient::Send(const SmtpMessage& message) {
  const std::vector<std::string> recipients = SplitRecipients(message.recipients);
  if (recipients.empty()) throw NetworkError("The message has no recipients.");
  // The step names no sender: the reverse path stays empty.
  Command("MAIL FROM:<>", 250);
  for (const std::string& recipient : recipients) {
    socket_.Write("RCPT TO:<" + MailboxOf(recipient) + ">\r\n");
    const SmtpReply reply = socket_.ReadReply();
    if (reply.code != 250 && reply.code != 251) throw NetworkError(reply.Text());
  }
  Command("DATA", 354);
  socket_.Write(BuildMessageData(recipients, message.subject, message.body));
  Expect(250);
}

void SmtpClient::Disconnect() {
  if (!socket_.IsOpen()) return;
  // The message is delivered by now: a server that answers QUIT badly, or not at all,
  // does not turn that into a failure.
  try {
    Command("QUIT", 221);
  } catch (const NetworkError&) {
  }
  socket_.Close();
}

}  // namespace vx::win32
