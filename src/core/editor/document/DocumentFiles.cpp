#include "core/editor/document/DocumentFiles.h"

#include <sys/stat.h>

#include "core/FileIO.h"

namespace vx::editor {

bool IsExistingFile(const std::string& path) {
  if (path.empty()) return false;
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFREG;
}

bool DiskFiles::FileExists(const std::string& path) {
  return IsExistingFile(path);
}

std::string DiskFiles::ReadAll(const std::string& path) {
  return ReadFileBytes(path);
}

void DiskFiles::WriteAll(const std::string& path, const std::string& bytes) {
  WriteFileReplacing(path, bytes);
}

}  // namespace vx::editor
