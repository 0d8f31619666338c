#include "core/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "core/Errors.h"
#include "core/FileCalls.h"
#include "core/SystemText.h"

namespace vx {

namespace {

std::string InOutMessage(int error) {
  switch (error) {
    case ENOENT:
      return "File not found";
    case EACCES:
      return "File access denied";
    case EMFILE:
      return "Too many open files";
    case ENOSPC:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(error);
  }
}

[[noreturn]] void CannotCreate(const std::string& path, const SystemError& error) {
  throw FileCreateError("Cannot create file \"" + path + "\". " + FileErrorReason(error));
}

// Closes the file on every path out.
class OpenFile {
 public:
  explicit OpenFile(files::Handle handle) : handle_(handle) {}
  OpenFile(OpenFile&& other) noexcept : handle_(std::exchange(other.handle_, files::NoFile)) {}
  OpenFile& operator=(OpenFile&&) = delete;
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() { Close(); }

  explicit operator bool() const { return handle_ != files::NoFile; }
  files::Handle Get() const { return handle_; }
  bool Close() {
    const bool closed = handle_ == files::NoFile || files::Close(handle_);
    handle_ = files::NoFile;
    return closed;
  }

 private:
  files::Handle handle_;
};

// A file being written beside the target; removed unless it took the target's place.
class TempFile {
 public:
  TempFile(OpenFile file, std::string path) : file_(std::move(file)), path_(std::move(path)) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    file_.Close();
    if (!kept_) files::Remove(path_);
  }
  OpenFile& File() { return file_; }
  const std::string& Path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  OpenFile file_;
  std::string path_;
  bool kept_ = false;
};

TempFile CreateTempBeside(const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    std::string candidate = path + ".~" + std::to_string(attempt) + ".tmp";
    OpenFile file(files::CreateNew(candidate));
    if (file) return TempFile(std::move(file), std::move(candidate));
    const SystemError error = LastFileError();
    if (error.errorNumber != EEXIST || attempt >= 999) CannotCreate(path, error);
  }
}

void WriteAll(const OpenFile& file, const std::string& bytes, const std::string& path) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1u << 20);
    const std::ptrdiff_t written = files::Write(file.Get(), bytes.data() + done, chunk);
    if (written < 0) CannotCreate(path, LastFileError());
    if (written == 0) CannotCreate(path, SystemError{ENOSPC, 0});
    done += static_cast<std::size_t>(written);
  }
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  OpenFile file(files::OpenToRead(path));
  if (!file) throw InOutError(InOutMessage(LastFileError().errorNumber));
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const std::ptrdiff_t got = files::Read(file.Get(), buffer, sizeof buffer);
    if (got < 0) throw InOutError(InOutMessage(LastFileError().errorNumber));
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

void WriteFileReplacing(const std::string& path, const std::string& bytes) {
  // Windows refuses to replace a read-only file; Wine run as root and POSIX let it go. The
  // attribute decides, before anything is written, so a save never removes it.
  if (files::Inspect(path).readOnly) CannotCreate(path, files::ReadOnlyError());
  TempFile temp = CreateTempBeside(path);
  WriteAll(temp.File(), bytes, path);
  if (!files::Flush(temp.File().Get())) CannotCreate(path, LastFileError());
  if (!temp.File().Close()) CannotCreate(path, LastFileError());
  if (!files::Replace(temp.Path(), path)) CannotCreate(path, LastFileError());
  temp.Keep();
}

std::string FolderOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace vx
