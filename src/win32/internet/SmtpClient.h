// The SMTP client behind the "Send Email" step: plain SMTP over Winsock, AUTH LOGIN or PLAIN
// when a user name is set, no TLS.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "core/ports/SmtpPort.h"
#include "win32/internet/SmtpSocket.h"

namespace vx::win32 {

class SmtpClient : public SmtpPort {
 public:
  // timeout bounds the connect and every wait for a reply.
  explicit SmtpClient(std::chrono::milliseconds timeout = std::chrono::seconds(60))
      : socket_(timeout) {}

  void SetConnection(const std::string& host, std::int32_t port, const std::string& username,
                     const std::string& password) override;
  void Connect() override;
  void Send(const SmtpMessage& message) override;
  void Disconnect() override;

 private:
  // Sends one command line and reads its reply; a reply whose code is not expected raises
  // NetworkError carrying the server's words.
  SmtpReply Command(const std::string& line, int expected);
  SmtpReply Expect(int expected);
  void Greet();
  void Authenticate(const std::vector<std::string>& mechanisms);

  SmtpSocket socket_;
  std::string host_;
  std::int32_t port_ = 25;
  std::string username_;
  std::string password_;
};

}  // namespace vx::win32
