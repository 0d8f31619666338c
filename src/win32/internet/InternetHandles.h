// Move-only owners for sockets and WinINet handles, apart from the other handles so that
// only the internet code pulls in the socket and WinINet headers.
#pragma once

#include <winsock2.h>
// winsock2.h must come before windows.h.
#include <windows.h>
#include <wininet.h>

#include "win32/Handles.h"

namespace vx::win32 {

namespace detail {
struct SocketTraits {
  using Type = SOCKET;
  static SOCKET Invalid() { return INVALID_SOCKET; }
  static void Close(SOCKET value) { ::closesocket(value); }
};
inline void CloseInternet(HINTERNET h) {
  ::InternetCloseHandle(h);
}
}  // namespace detail

using UniqueInternet = Unique<detail::NullIsInvalid<HINTERNET, detail::CloseInternet>>;
using UniqueSocket = Unique<detail::SocketTraits>;

}  // namespace vx::win32
