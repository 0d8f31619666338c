#include "win32/internet/FtpLocalFile.h"

#include "core/Errors.h"
#include "win32/internet/FtpError.h"
#include "win32/system/SystemText.h"

namespace vx::win32 {

DownloadTarget::DownloadTarget(std::string target) : target_(std::move(target)) {
  for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
    temp_ = target_ + ".~" + std::to_string(attempt) + ".tmp";
    file_.Reset(::CreateFileA(temp_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_ && ::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (!file_) {
    const DWORD code = ::GetLastError();
    temp_.clear();
    CannotCreate(code);
  }
}

DownloadTarget::~DownloadTarget() {
  if (committed_ || temp_.empty()) return;
  file_.Reset();
  ::DeleteFileA(temp_.c_str());
}

void DownloadTarget::CannotCreate(unsigned long code) const {
  throw FileCreateError("Cannot create file \"" + target_ + "\". " + SystemErrorText(code));
}

void DownloadTarget::Write(const char* bytes, unsigned long count) {
  DWORD written = 0;
  if (!::WriteFile(file_.Get(), bytes, count, &written, nullptr) || written != count) {
    const DWORD code = ::GetLastError();
    CannotCreate(code);
  }
}

void DownloadTarget::Commit() {
  const bool flushed = ::FlushFileBuffers(file_.Get()) != 0;
  const DWORD flushError = ::GetLastError();
  file_.Reset();
  if (!flushed) CannotCreate(flushError);
  if (!::MoveFileExA(temp_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD code = ::GetLastError();
    CannotCreate(code);
  }
  committed_ = true;
}

}  // namespace vx::win32
