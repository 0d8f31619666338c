#include "core/editor/document/DocumentFiles.h"

#include "core/FileCalls.h"
#include "core/FileIO.h"

namespace vx::editor {

bool IsExistingFile(const std::string& path) {
  if (path.empty()) return false;
  const files::PathInfo info = files::Inspect(path);
  return info.exists && !info.folder;
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
