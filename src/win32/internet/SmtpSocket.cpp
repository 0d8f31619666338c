#include "win32/internet/SmtpSocket.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <cctype>

#include "core/Errors.h"
#include "win32/system/SystemText.h"

namespace vx::win32 {
namespace {

// Winsock is started once for the process and left running until it ends.
void StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) throw NetworkError("Winsock could not start.");
    return true;
  }();
  (void)started;
}

std::string SocketMessage(const std::string& what, int code) {
  const std::string reason = SystemErrorText(static_cast<unsigned long>(code));
  return what + " (socket error " + std::to_string(code) + (reason.empty() ? "" : ": " + reason) +
         ")";
}

// Connects s within timeout: a blocking connect would wait as long as the system likes.
bool ConnectWithin(SOCKET s, const addrinfo& address, std::chrono::milliseconds timeout,
                   int& error) {
  u_long nonBlocking = 1;
  ::ioctlsocket(s, FIONBIO, &nonBlocking);
  if (::connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) != 0) {
    error = ::WSAGetLastError();
    if (error != WSAEWOULDBLOCK) return false;
    fd_set writable, failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(s, &writable);
    FD_SET(s, &failed);
    timeval limit{static_cast<long>(timeout.count() / 1000),
                  static_cast<long>((timeout.count() % 1000) * 1000)};
    const int ready = ::select(0, nullptr, &writable, &failed, &limit);
    if (ready == 0) {
      error = WSAETIMEDOUT;
      return false;
    }
    int soError = 0;
    int size = sizeof soError;
    ::getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&soError), &size);
    if (ready < 0 || soError != 0 || !FD_ISSET(s, &writable)) {
      error = soError != 0 ? soError : ::WSAGetLastError();
      return false;
    }
  }
  u_long blocking = 0;
  ::ioctlsocket(s, FIONBIO, &blocking);
  return true;
}

}  // namespace

void SmtpSocket::Open(const std::string& host, int port) {
  StartWinsock();
  Close();
  pending_.clear();
  const std::string where = host + ":" + std::to_string(port);
  // An empty name would quietly mean this machine.
  if (host.empty()) throw NetworkError("No SMTP server given.");
  if (port <= 0 || port > 65535) throw NetworkError("Invalid port number " + std::to_string(port));
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* found = nullptr;
  if (const int error = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found))
    throw NetworkError(SocketMessage("Cannot resolve host " + host, error));
  int error = 0;
  for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
    UniqueSocket s(::socket(a->ai_family, a->ai_socktype, a->ai_protocol));
    if (!s) {
      error = ::WSAGetLastError();
      continue;
    }
    if (ConnectWithin(s.Get(), *a, timeout_, error)) {
      socket_ = std::move(s);
      break;
    }
  }
  ::freeaddrinfo(found);
  if (!socket_) throw NetworkError(SocketMessage("Cannot connect to " + where, error));
}

void SmtpSocket::Write(const std::string& bytes) {
  if (!socket_) throw NetworkError("Not connected.");
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size() - sent, 65536));
    const int n = ::send(socket_.Get(), bytes.data() + sent, chunk, 0);
    if (n <= 0) throw NetworkError(SocketMessage("Connection lost", ::WSAGetLastError()));
    sent += static_cast<std::size_t>(n);
  }
}

bool SmtpSocket::WaitReadable() {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socket_.Get(), &readable);
  timeval limit{static_cast<long>(timeout_.count() / 1000),
                static_cast<long>((timeout_.count() % 1000) * 1000)};
  return ::select(0, &readable, nullptr, nullptr, &limit) > 0;
}

std::string SmtpSocket::ReadLine() {
  for (;;) {
    const auto end = pending_.find('\n');
    if (end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    if (!WaitReadable()) throw NetworkError("The server did not answer in time.");
    char buffer[4096];
    const int n = ::recv(socket_.Get(), buffer, sizeof buffer, 0);
    if (n == 0) throw NetworkError("Connection closed gracefully.");
    if (n < 0) throw NetworkError(SocketMessage("Connection lost", ::WSAGetLastError()));
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

SmtpReply SmtpSocket::ReadReply() {
  if (!socket_) throw NetworkError("Not connected.");
  SmtpReply reply;
  for (;;) {
    const std::string line = ReadLine();
    const bool wellFormed = line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0])) &&
                            std::isdigit(static_cast<unsigned char>(line[1])) &&
                            std::isdigit(static_cast<unsigned char>(line[2])) &&
                            (line.size() == 3 || line[3] == ' ' || line[3] == '-');
    if (!wellFormed) throw NetworkError("Unexpected reply from the server: " + line);
    const int code = std::stoi(line.substr(0, 3));
    if (reply.code != 0 && code != reply.code)
      throw NetworkError("Unexpected reply from the server: " + line);
    reply.code = code;
    reply.lines.push_back(line.size() > 4 ? line.substr(4) : std::string());
    if (line.size() == 3 || line[3] == ' ') return reply;
  }
}

}  // namespace vx::win32
