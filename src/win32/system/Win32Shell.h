// The disk steps' port on the real system: the shell's file operations and launches, the
// file search, and plain text files.
#pragma once

#include "core/ports/ShellPort.h"

namespace vx::win32 {

class Win32Shell : public ShellPort {
 public:
  int FileOperation(std::uint32_t func, const std::string& from, const std::string& to,
                    std::uint16_t flags) override;
  void FindFiles(const std::string& pattern,
                 const std::function<bool(const FindEntry&)>& visit) override;
  std::int32_t RunFile(const std::string& verb, const std::string& file,
                       const std::string& parameters, const std::string& directory,
                       std::uint16_t show, bool wait) override;
  std::uint32_t CreateText(const std::string& path, std::unique_ptr<ShellTextFile>& file) override;
  std::uint32_t AppendText(const std::string& path, std::unique_ptr<ShellTextFile>& file) override;
  std::uint32_t ReadBytes(const std::string& path, std::string& bytes) override;
  std::string ErrorText(std::uint32_t code) override;
};

}  // namespace vx::win32
