#include "core/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "core/Errors.h"
#include "core/SystemText.h"

#ifdef _WIN32
#include <io.h>
#define VX_OPEN ::_open
#define VX_WRITE ::_write
#define VX_CLOSE ::_close
#define VX_FLUSH ::_commit
#define VX_OPEN_FLAGS (_O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY)
#define VX_OPEN_MODE (_S_IREAD | _S_IWRITE)
#else
#include <unistd.h>
#define VX_OPEN ::open
#define VX_WRITE ::write
#define VX_CLOSE ::close
#define VX_FLUSH ::fsync
#define VX_OPEN_FLAGS (O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC)
#define VX_OPEN_MODE 0666
#endif

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

// Closes the descriptor on every path out; the temporary file is removed unless kept.
class TempFile {
 public:
  TempFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    Close();
    if (!kept_) std::remove(path_.c_str());
  }
  int Fd() const { return fd_; }
  const std::string& Path() const { return path_; }
  int Close() {
    const int rc = fd_ >= 0 ? VX_CLOSE(fd_) : 0;
    fd_ = -1;
    return rc;
  }
  void Keep() { kept_ = true; }

 private:
  int fd_;
  std::string path_;
  bool kept_ = false;
};

TempFile CreateTempBeside(const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    const std::string candidate = path + ".~" + std::to_string(attempt) + ".tmp";
    const int fd = VX_OPEN(candidate.c_str(), VX_OPEN_FLAGS, VX_OPEN_MODE);
    if (fd >= 0) return TempFile(fd, candidate);
    const SystemError error = LastFileError();
    if (error.errorNumber != EEXIST || attempt >= 999) CannotCreate(path, error);
  }
}

void WriteAll(int fd, const std::string& bytes, const std::string& path) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1u << 20);
    const auto written = VX_WRITE(fd, bytes.data() + done, static_cast<unsigned>(chunk));
    if (written < 0) CannotCreate(path, LastFileError());
    if (written == 0) CannotCreate(path, SystemError{ENOSPC, 0});
    done += static_cast<std::size_t>(written);
  }
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFREG;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// Moves the old file aside under a name no file has: never "path.~old" as such, which could
// be a file of the user's own that a save would then destroy.
std::string MoveAside(const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    const std::string backup = path + ".~" + std::to_string(attempt) + ".old";
    if (Exists(backup)) {
      if (attempt >= 999) CannotCreate(path, SystemError{EEXIST, 0});
      continue;
    }
    if (std::rename(path.c_str(), backup.c_str()) == 0) return backup;
    const SystemError error = LastFileError();
    // Taken between the look and the rename: try the next name.
    if (!Exists(backup) || attempt >= 999) CannotCreate(path, error);
  }
}

// POSIX rename replaces the target in one step. The Windows C runtime refuses to rename
// onto an existing file, so there the old file first steps aside under a backup name and
// comes back if the new one cannot take its place.
void ReplaceWith(const std::string& temp, const std::string& path) {
  if (std::rename(temp.c_str(), path.c_str()) == 0) return;
  const SystemError firstError = LastFileError();
  if (!IsRegularFile(path)) CannotCreate(path, firstError);
  const std::string backup = MoveAside(path);
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const SystemError error = LastFileError();
    std::rename(backup.c_str(), path.c_str());
    CannotCreate(path, error);
  }
  std::remove(backup.c_str());
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw InOutError(InOutMessage(errno));
  std::string bytes;
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  const int error = errno;
  std::fclose(file);
  if (failed) throw InOutError(InOutMessage(error));
  return bytes;
}

void WriteFileReplacing(const std::string& path, const std::string& bytes) {
  TempFile temp = CreateTempBeside(path);
  WriteAll(temp.Fd(), bytes, path);
  if (VX_FLUSH(temp.Fd()) != 0) CannotCreate(path, LastFileError());
  if (temp.Close() != 0) CannotCreate(path, LastFileError());
  ReplaceWith(temp.Path(), path);
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
