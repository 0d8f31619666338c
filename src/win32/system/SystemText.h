// The system's own texts: the one place that asks the system for its messages, and the locale's
// comparison of names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vx::win32 {

// The system's text for an error code (a Win32 error, an HRESULT, a Winsock or a WinINet
// code), without the line break and full stop that close it; empty when the system has none.
std::string SystemErrorText(unsigned long code);

// text read in codePage, as the wide calls take it.
std::wstring WideText(const std::string& text, unsigned codePage);
// A wide call's text in codePage, up to its first zero, for showing: a character the code
// page lacks becomes "?", never a look-alike ("Lodz" for "Łodz" would name another file).
std::string NarrowText(std::wstring_view text, unsigned codePage);
// The same text only when codePage holds every character of it; nullopt otherwise.
std::optional<std::string> ExactNarrowText(std::wstring_view text, unsigned codePage);

// Whether a and b, read in codePage, are equal regardless of letter case under the user's
// default locale (what CompareStringA with NORM_IGNORECASE says for the ANSI code page).
bool SameTextIgnoringCase(const std::string& a, const std::string& b, unsigned codePage);

}  // namespace vx::win32
