// The few file calls the file layer stands on, answered by the system. On Windows they are
// the wide calls (win32/system/FileCalls.cpp is built into the core there): the ANSI calls
// and the C runtime's stat and rename cannot reach a path longer than 260 characters, so a
// script there would read as missing. Elsewhere POSIX answers (PortableFileCalls.cpp).
// Paths are text in the ANSI code page, as everywhere.
//
// A call that fails returns false, -1 or NoFile; LastFileError() (SystemText.h) then says why.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/SystemText.h"

namespace vx::files {

// An open file: a descriptor, or a Windows handle.
using Handle = std::intptr_t;
inline constexpr Handle NoFile = -1;

struct PathInfo {
  bool exists = false;
  bool folder = false;
  // Windows' read-only attribute; elsewhere, no write permission for the owner.
  bool readOnly = false;
};

// What is at path; nothing there (or no access to look) reads as not existing.
PathInfo Inspect(const std::string& path);

// An existing file, for reading; others may go on reading and writing it.
Handle OpenToRead(const std::string& path);
// A new file, for writing; fails (EEXIST) when the name is taken.
Handle CreateNew(const std::string& path);
// Bytes read into buffer (0 at the end of the file), or -1.
std::ptrdiff_t Read(Handle file, char* buffer, std::size_t size);
// Bytes written (at most size), or -1.
std::ptrdiff_t Write(Handle file, const char* data, std::size_t size);
// Until the written bytes are on the disk.
bool Flush(Handle file);
bool Close(Handle file);
// from takes the place of to in one step, replacing a file that is there.
bool Replace(const std::string& from, const std::string& to);
bool Remove(const std::string& path);

// The error of a write that meets a read-only file, as this system words it.
SystemError ReadOnlyError();

}  // namespace vx::files
