// The file calls of FileCalls.h where no Windows is there to ask (the native build); on
// Windows the platform layer answers them.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "core/FileCalls.h"

namespace vx::files {

PathInfo Inspect(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return {
      .exists = true, .folder = S_ISDIR(info.st_mode), .readOnly = (info.st_mode & S_IWUSR) == 0};
}

Handle OpenToRead(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

Handle CreateNew(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

std::ptrdiff_t Read(Handle file, char* buffer, std::size_t size) {
  return ::read(static_cast<int>(file), buffer, size);
}

std::ptrdiff_t Write(Handle file, const char* data, std::size_t size) {
  return ::write(static_cast<int>(file), data, size);
}

bool Flush(Handle file) {
  return ::fsync(static_cast<int>(file)) == 0;
}

bool Close(Handle file) {
  return ::close(static_cast<int>(file)) == 0;
}

bool Replace(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool Remove(const std::string& path) {
  return std::remove(path.c_str()) == 0;
}

SystemError ReadOnlyError() {
  return {EACCES, 0};
}

}  // namespace vx::files

#endif
