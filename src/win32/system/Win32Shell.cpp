#include "win32/system/Win32Shell.h"

#include "win32/Handles.h"
#include "win32/system/RunFile.h"
#include "win32/system/SystemText.h"
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <algorithm>
#include <optional>

namespace vx::win32 {

namespace {

class Win32TextFile : public ShellTextFile {
 public:
  explicit Win32TextFile(UniqueFile file) : file_(std::move(file)) {}

  std::uint32_t Write(const std::string& bytes) override {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
      DWORD written = 0;
      if (!::WriteFile(file_.Get(), bytes.data() + done, chunk, &written, nullptr))
        return ::GetLastError();
      if (written == 0) return ERROR_DISK_FULL;
      done += written;
    }
    return 0;
  }

  std::uint32_t Flush() override { return ::FlushFileBuffers(file_.Get()) ? 0 : ::GetLastError(); }

  std::uint32_t Close() override {
    if (!file_) return 0;
    return ::CloseHandle(file_.Release()) ? 0 : ::GetLastError();
  }

 private:
  UniqueFile file_;
};

std::uint32_t OpenText(const std::string& path, DWORD disposition, bool atEnd,
                       std::unique_ptr<ShellTextFile>& file) {
  file.reset();
  UniqueFile handle(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return ::GetLastError();
  if (atEnd && ::SetFilePointer(handle.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
      ::GetLastError() != NO_ERROR)
    return ::GetLastError();
  file = std::make_unique<Win32TextFile>(std::move(handle));
  return 0;
}

}  // namespace

int Win32Shell::FileOperation(std::uint32_t func, const std::string& from, const std::string& to,
                              std::uint16_t flags) {
  SHFILEOPSTRUCTA operation{};
  operation.hwnd = nullptr;
  operation.wFunc = func;
  operation.pFrom = from.c_str();
  operation.pTo = to.empty() ? nullptr : to.c_str();
  operation.fFlags = flags;
  return ::SHFileOperationA(&operation);
}

// The wide search, so that an entry whose name the ANSI code page cannot hold is told
// apart: the ANSI search would hand it over as a look-alike ("Lodz.txt" for "Łodz.txt"),
// the name of another file, which a Delete Object step would then delete.
void Win32Shell::FindFiles(const std::string& pattern,
                           const std::function<bool(const FindEntry&)>& visit) {
  WIN32_FIND_DATAW data;
  const UniqueFind search(::FindFirstFileW(WideText(pattern, CP_ACP).c_str(), &data));
  if (!search) return;
  FindEntry entry;
  do {
    std::optional<std::string> name = ExactNarrowText(data.cFileName, CP_ACP);
    entry.held = name.has_value();
    entry.name = name ? std::move(*name) : NarrowText(data.cFileName, CP_ACP);
    entry.attributes = data.dwFileAttributes;
    entry.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    if (!visit(entry)) return;
  } while (::FindNextFileW(search.Get(), &data));
}

std::int32_t Win32Shell::RunFile(const std::string& verb, const std::string& file,
                                 const std::string& parameters, const std::string& directory,
                                 std::uint16_t show, bool wait) {
  return win32::RunFile(verb, file, parameters, directory, show, wait);
}

std::uint32_t Win32Shell::CreateText(const std::string& path,
                                     std::unique_ptr<ShellTextFile>& file) {
  return OpenText(path, CREATE_ALWAYS, false, file);
}

std::uint32_t Win32Shell::AppendText(const std::string& path,
                                     std::unique_ptr<ShellTextFile>& file) {
  return OpenText(path, OPEN_EXISTING, true, file);
}

std::uint32_t Win32Shell::ReadBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  const UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return ::GetLastError();
  char buffer[1 << 16];
  DWORD got = 0;
  do {
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) return ::GetLastError();
    bytes.append(buffer, got);
  } while (got > 0);
  return 0;
}

std::string Win32Shell::ErrorText(std::uint32_t code) {
  return SystemErrorText(code);
}

}  // namespace vx::win32
