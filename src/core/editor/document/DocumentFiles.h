// The files a document is read from and written to, behind an interface so the document's
// decisions can be tried without a disk.
#pragma once

#include <string>

namespace vx::editor {

class DocumentFiles {
 public:
  virtual ~DocumentFiles() = default;
  // True when path names an existing file; a folder does not count.
  virtual bool FileExists(const std::string& path) = 0;
  // The whole file. Raises vx::Error with the file layer's reason.
  virtual std::string ReadAll(const std::string& path) = 0;
  // Replaces the file with bytes, never leaving it half-written. Raises vx::Error.
  virtual void WriteAll(const std::string& path, const std::string& bytes) = 0;
};

// The real disk, through the core's file layer (safe replace on write).
class DiskFiles : public DocumentFiles {
 public:
  bool FileExists(const std::string& path) override;
  std::string ReadAll(const std::string& path) override;
  void WriteAll(const std::string& path, const std::string& bytes) override;
};

// True when path names an existing file; a folder does not count.
bool IsExistingFile(const std::string& path);

}  // namespace vx::editor
