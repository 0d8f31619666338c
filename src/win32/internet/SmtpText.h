// The text side of sending a message over SMTP: what goes on the wire, apart from the
// socket. Kept apart so it can be checked without a server.
#pragma once

#include <string>
#include <vector>

namespace vx::win32 {

// One server reply: its three-digit code and every line of its text, codes stripped.
struct SmtpReply {
  int code = 0;
  std::vector<std::string> lines;
  // The reply as the server sent it, lines joined by blanks: "535 5.7.8 Bad credentials".
  std::string Text() const;
};

// The addresses of a recipients text: split at commas and semicolons, blanks trimmed, empty
// items dropped. "Name <addr>" keeps the whole item; MailboxOf takes the address out of it.
std::vector<std::string> SplitRecipients(const std::string& recipients);
std::string MailboxOf(const std::string& recipient);

// The message as sent after DATA: the To and Subject headers, a blank line, the body's
// lines (a leading dot doubled), each ending in CR LF, and the closing dot line.
std::string BuildMessageData(const std::vector<std::string>& recipients, const std::string& subject,
                             const std::string& body);

// The body's lines as a text list reads them: split at CR LF, LF or CR; a final line break
// ends the last line without opening another.
std::vector<std::string> SplitLines(const std::string& text);

std::string Base64(const std::string& bytes);

// The authentication mechanisms an EHLO reply offers ("AUTH LOGIN PLAIN", "AUTH=LOGIN"),
// upper-cased.
std::vector<std::string> AuthMechanisms(const SmtpReply& ehlo);

}  // namespace vx::win32
