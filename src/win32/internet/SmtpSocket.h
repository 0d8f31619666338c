// A TCP connection that speaks in CR LF lines, with a time limit on every wait so that a
// server that stops answering ends the step with an error instead of holding the run.
#pragma once

#include <chrono>
#include <string>

#include "win32/internet/InternetHandles.h"
#include "win32/internet/SmtpText.h"

namespace vx::win32 {

class SmtpSocket {
 public:
  explicit SmtpSocket(std::chrono::milliseconds timeout) : timeout_(timeout) {}

  // Connects to host:port (any of its addresses); raises NetworkError.
  void Open(const std::string& host, int port);
  void Close() { socket_.Reset(); }
  bool IsOpen() const { return static_cast<bool>(socket_); }

  // Sends bytes as they are; raises NetworkError.
  void Write(const std::string& bytes);
  // Reads one whole reply, continuation lines ("250-...") included; raises NetworkError
  // when the connection closes, the reply is malformed or the time limit passes.
  SmtpReply ReadReply();

 private:
  std::string ReadLine();
  bool WaitReadable();

  std::chrono::milliseconds timeout_;
  UniqueSocket socket_;
  std::string pending_;  // bytes received past the last line handed out
};

}  // namespace vx::win32
