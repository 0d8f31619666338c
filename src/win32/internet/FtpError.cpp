#include "win32/internet/FtpError.h"

#include "core/Errors.h"
#include "win32/internet/InternetHandles.h"
#include "win32/system/SystemText.h"

namespace vx::win32 {
namespace {

std::string TrimEnd(std::string text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}

// What the server last said on this thread's connection, as WinINet kept it.
std::string LastResponse() {
  DWORD code = 0;
  DWORD length = 0;
  ::InternetGetLastResponseInfoA(&code, nullptr, &length);
  if (length == 0) return {};
  std::string text(length + 1, '\0');
  if (!::InternetGetLastResponseInfoA(&code, text.data(), &length)) return {};
  text.resize(length);
  return TrimEnd(text);
}

}  // namespace

void RaiseFtpError(unsigned long code, const std::string& what) {
  std::string message = what + " (error " + std::to_string(code);
  const std::string reason = SystemErrorText(code);
  if (!reason.empty()) message += ": " + reason;
  message += ")";
  // Without a connection the server said nothing, and what WinINet kept is an older
  // session's.
  const bool reachedServer =
      code != ERROR_INTERNET_CANNOT_CONNECT && code != ERROR_INTERNET_NAME_NOT_RESOLVED;
  const std::string response = reachedServer ? LastResponse() : std::string();
  if (!response.empty()) message += "\r\n" + response;
  throw NetworkError(message);
}

}  // namespace vx::win32
