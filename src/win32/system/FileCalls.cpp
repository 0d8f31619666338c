// Built into the core on Windows: the file calls of core/FileCalls.h through the wide API, so
// that a path longer than 260 characters is reached like any other. The ANSI path is read in
// the ANSI code page; a long one goes to the system with the "\\?\" prefix, which lifts the
// limit whether or not long paths are enabled on the machine.
#include "core/FileCalls.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "win32/system/SystemText.h"

namespace vx::files {

namespace {

// Below this length every call takes a plain path (CreateDirectory's limit is the lowest).
constexpr std::size_t PlainPathLimit = 248;

// A path the wide calls take at any length. The "\\?\" prefix turns off the system's own
// reading of the name, so the name is made full (drive, backslashes, no "..") first.
std::wstring SystemPath(const std::string& path) {
  const std::wstring wide = win32::WideText(path, CP_ACP);
  if (wide.size() < PlainPathLimit || wide.starts_with(L"\\\\?\\")) return wide;
  const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return wide;
  std::wstring full(needed, L'\0');
  const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return wide;
  full.resize(length);
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// errno for the system's code, as the C runtime maps the codes a file call meets; the
// system's code stays the last error, for the system's own text of it.
int ErrorNumberFor(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
      return ENOENT;
    case ERROR_TOO_MANY_OPEN_FILES:
      return EMFILE;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_CURRENT_DIRECTORY:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    default:
      return EINVAL;
  }
}

// Notes the failed call's error where LastFileError() looks for it.
template <typename T>
T Failed(T result) {
  const DWORD code = ::GetLastError();
  errno = ErrorNumberFor(code);
  ::SetLastError(code);
  return result;
}

HANDLE AsHandle(Handle file) {
  return reinterpret_cast<HANDLE>(file);
}

Handle Open(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  const HANDLE file = ::CreateFileW(SystemPath(path).c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Failed(NoFile);
  return reinterpret_cast<Handle>(file);
}

// ReadFile and WriteFile take 32-bit counts.
DWORD Chunk(std::size_t size) {
  return static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
}

}  // namespace

PathInfo Inspect(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(SystemPath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return {};
  return {.exists = true,
          .folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
          .readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0};
}

Handle OpenToRead(const std::string& path) {
  return Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
}

Handle CreateNew(const std::string& path) {
  return Open(path, GENERIC_WRITE, 0, CREATE_NEW);
}

std::ptrdiff_t Read(Handle file, char* buffer, std::size_t size) {
  DWORD got = 0;
  if (!::ReadFile(AsHandle(file), buffer, Chunk(size), &got, nullptr)) return Failed(-1);
  return got;
}

std::ptrdiff_t Write(Handle file, const char* data, std::size_t size) {
  DWORD written = 0;
  if (!::WriteFile(AsHandle(file), data, Chunk(size), &written, nullptr)) return Failed(-1);
  return written;
}

bool Flush(Handle file) {
  return ::FlushFileBuffers(AsHandle(file)) || Failed(false);
}

bool Close(Handle file) {
  return ::CloseHandle(AsHandle(file)) || Failed(false);
}

bool Replace(const std::string& from, const std::string& to) {
  return ::MoveFileExW(SystemPath(from).c_str(), SystemPath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
         Failed(false);
}

bool Remove(const std::string& path) {
  return ::DeleteFileW(SystemPath(path).c_str()) || Failed(false);
}

SystemError ReadOnlyError() {
  return {EACCES, ERROR_ACCESS_DENIED};
}

}  // namespace vx::files
