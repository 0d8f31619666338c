// The local side of a download: the bytes go to a temporary file beside the target, which
// takes the target's place only when the whole transfer has arrived. A refused or broken
// download leaves the file that was there as it was, whatever its size.
#pragma once

#include <string>

#include "win32/Handles.h"

namespace vx::win32 {

class DownloadTarget {
 public:
  // Creates the temporary file; raises FileCreateError naming target.
  explicit DownloadTarget(std::string target);
  DownloadTarget(const DownloadTarget&) = delete;
  DownloadTarget& operator=(const DownloadTarget&) = delete;
  // Without Commit the temporary file is removed.
  ~DownloadTarget();

  void Write(const char* bytes, unsigned long count);
  // Flushes the bytes and replaces the target with them.
  void Commit();

 private:
  [[noreturn]] void CannotCreate(unsigned long code) const;

  std::string target_;
  std::string temp_;
  UniqueFile file_;
  bool committed_ = false;
};

}  // namespace vx::win32
