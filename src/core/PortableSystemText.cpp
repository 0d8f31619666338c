// The answers of SystemText.h where no system is there to ask (the native build); on Windows
// the platform layer gives them.
#ifndef _WIN32

#include <cerrno>
#include <cstring>

#include "core/SystemText.h"

namespace vx {

namespace {

// Letter case folded the way the ANSI code page 1252 pairs its letters, so that a name
// written with accented capitals finds its small spelling too.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  // Latin-1 capitals, except the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:  // S caron
    case 0x8C:  // OE
    case 0x8E:  // Z caron
      return static_cast<unsigned char>(c + 16);
    case 0x9F:  // Y diaeresis
      return 0xFF;
    default:
      return c;
  }
}

}  // namespace

SystemError LastFileError() {
  return {errno, 0};
}

std::string FileErrorReason(const SystemError& error) {
  return std::strerror(error.errorNumber);
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace vx

#endif
