// Built into the core on Windows: the answers of core/SystemText.h come from the system.
#include "win32/system/SystemText.h"

#include <windows.h>
#include <wininet.h>

#include <cerrno>
#include <cstring>

#include "core/SystemText.h"

namespace vx::win32 {

std::string SystemErrorText(unsigned long code) {
  char text[1024] = {};
  DWORD length = 0;
  // WinINet keeps the texts of its own codes in its module.
  if (code >= INTERNET_ERROR_BASE && code <= INTERNET_ERROR_LAST) {
    length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
                         ::GetModuleHandleA("wininet.dll"), code, 0, text, sizeof text, nullptr);
  }
  if (length == 0) {
    length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                              code, 0, text, sizeof text, nullptr);
  }
  while (length > 0 &&
         (static_cast<unsigned char>(text[length - 1]) <= ' ' || text[length - 1] == '.'))
    --length;
  return std::string(text, length);
}

std::wstring WideText(const std::string& text, unsigned codePage) {
  if (text.empty()) return {};
  const int size =
      ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

namespace {

// text (up to its first zero) in codePage, each character the code page lacks as "?", and
// whether there was any. WC_NO_BEST_FIT_CHARS keeps the system from choosing a look-alike;
// the UTF code pages hold every character and take neither that flag nor a default.
std::string Narrowed(std::wstring_view text, unsigned codePage, bool& whole) {
  whole = true;
  text = text.substr(0, text.find(L'\0'));
  if (text.empty()) return {};
  const UINT page = codePage == CP_ACP ? ::GetACP() : codePage;
  const bool utf = page == CP_UTF8 || page == CP_UTF7;
  const DWORD flags = utf ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* fallback = utf ? nullptr : "?";
  BOOL usedFallback = FALSE;
  BOOL* used = utf ? nullptr : &usedFallback;
  const int length = static_cast<int>(text.size());
  const int size =
      ::WideCharToMultiByte(page, flags, text.data(), length, nullptr, 0, fallback, used);
  std::string narrow(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(page, flags, text.data(), length, narrow.data(), size, fallback, used);
  whole = size > 0 && !usedFallback;
  return narrow;
}

}  // namespace

std::string NarrowText(std::wstring_view text, unsigned codePage) {
  bool whole = true;
  return Narrowed(text, codePage, whole);
}

std::optional<std::string> ExactNarrowText(std::wstring_view text, unsigned codePage) {
  bool whole = true;
  std::string narrow = Narrowed(text, codePage, whole);
  if (!whole) return std::nullopt;
  return narrow;
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b, unsigned codePage) {
  const std::wstring wideA = WideText(a, codePage);
  const std::wstring wideB = WideText(b, codePage);
  return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(),
                          static_cast<int>(wideA.size()), wideB.data(),
                          static_cast<int>(wideB.size())) == CSTR_EQUAL;
}

}  // namespace vx::win32

namespace vx {

SystemError LastFileError() {
  return {errno, ::GetLastError()};
}

std::string FileErrorReason(const SystemError& error) {
  unsigned long code = error.systemCode;
  if (code == 0 && error.errorNumber == ENOSPC) code = ERROR_DISK_FULL;  // a short write
  std::string reason = code != 0 ? win32::SystemErrorText(code) : std::string();
  return reason.empty() ? std::strerror(error.errorNumber) : reason;
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  return win32::SameTextIgnoringCase(a, b, CP_ACP);
}

}  // namespace vx
