// The disk steps' way to the shell and the file system, at the level of the platform calls:
// SHFileOperationA with its list, flags and result, the FindFirstFileA/FindNextFileA walk,
// RunFile, and the text-file opens, writes and reads of "Write To File" and "Read From File".
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vx {

// Codes of SHFILEOPSTRUCTA.wFunc and .fFlags, as the shell defines them.
enum : std::uint32_t {
  kFoMove = 1,
  kFoCopy = 2,
  kFoDelete = 3,
  kFoRename = 4,
};
enum : std::uint16_t {
  kFofNoConfirmation = 0x10,
  kFofAllowUndo = 0x40,
};

// The attribute bits of a directory entry that the query looks at.
inline constexpr std::uint32_t kAttributeDirectory = 0x10;

// One entry of a file search, as WIN32_FIND_DATAA reports it.
struct FindEntry {
  std::string name;
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;  // nFileSizeHigh:nFileSizeLow
  // false: the ANSI code page cannot hold the name, shown with "?" for what it lacks
  bool held = true;
};

// An open text file. Every call returns 0 or the system's error code; closing is also done
// by the destructor when the step ends early.
class ShellTextFile {
 public:
  virtual ~ShellTextFile() = default;
  virtual std::uint32_t Write(const std::string& bytes) = 0;
  virtual std::uint32_t Flush() = 0;
  virtual std::uint32_t Close() = 0;
};

class ShellPort {
 public:
  virtual ~ShellPort() = default;

  // SHFileOperationA with owner window 0. from and to are the exact bytes of pFrom and pTo,
  // zero bytes included; an empty to stands for a null pTo. Returns the call's result.
  virtual int FileOperation(std::uint32_t func, const std::string& from, const std::string& to,
                            std::uint16_t flags) = 0;

  // FindFirstFileA on pattern, then FindNextFileA, handing every entry ("." and ".."
  // included) to visit in the order the system returns them, until visit returns false or
  // the search ends. No match at all visits nothing. An entry whose name the ANSI code page
  // cannot hold comes not held: every name it could be given would be another file's.
  virtual void FindFiles(const std::string& pattern,
                         const std::function<bool(const FindEntry&)>& visit) = 0;

  // Starts file through the shell and optionally waits for it (see win32/RunFile.h).
  virtual std::int32_t RunFile(const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& directory,
                               std::uint16_t show, bool wait) = 0;

  // Creates path anew (emptying an existing file) or opens it for writing at its end. On
  // failure file is left null and the system's error code is returned.
  virtual std::uint32_t CreateText(const std::string& path,
                                   std::unique_ptr<ShellTextFile>& file) = 0;
  virtual std::uint32_t AppendText(const std::string& path,
                                   std::unique_ptr<ShellTextFile>& file) = 0;

  // The whole content of path into bytes; 0 or the system's error code.
  virtual std::uint32_t ReadBytes(const std::string& path, std::string& bytes) = 0;

  // The system's text for an error code, without its closing full stop.
  virtual std::string ErrorText(std::uint32_t code) = 0;
};

}  // namespace vx
