// What only the system can answer, asked where there is one. On Windows the platform layer
// answers (win32/system/SystemText.cpp is built into the core there); elsewhere the core
// answers for itself (PortableSystemText.cpp).
#pragma once

#include <string>

namespace vx {

// A failed call's error: the C runtime's errno, and the system's own code where there is a
// system to report one (0 otherwise).
struct SystemError {
  int errorNumber = 0;
  unsigned long systemCode = 0;
};

// The error of the file call that has just failed; taken before anything else can change it.
SystemError LastFileError();

// The system's reason for error, without the full stop that closes it: it always goes into
// a sentence of its own ("Cannot create file "%s". %s").
std::string FileErrorReason(const SystemError& error);

// Whether two names are equal regardless of letter case under the user's default locale.
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

}  // namespace vx
