// The SMTP client the "Send Email" step drives: connection settings stored for the next
// Connect, one message sent per connection.
#pragma once

#include <cstdint>
#include <string>

namespace vx {

// What the step puts into a message: nothing else (no sender, no copies) is set.
struct SmtpMessage {
  std::string recipients;  // addresses separated by commas or semicolons
  std::string subject;
  std::string body;  // its lines become the message's lines

  bool operator==(const SmtpMessage&) const = default;
};

class SmtpPort {
 public:
  virtual ~SmtpPort() = default;
  // Stored for the next Connect; every step sets all four anew.
  virtual void SetConnection(const std::string& host, std::int32_t port,
                             const std::string& username, const std::string& password) = 0;
  // Opens the connection and logs in when a user name is set and the server offers a
  // login; raises NetworkError.
  virtual void Connect() = 0;
  // Delivers the message to every recipient; raises NetworkError on a refused command.
  virtual void Send(const SmtpMessage& message) = 0;
  virtual void Disconnect() = 0;
};

}  // namespace vx
