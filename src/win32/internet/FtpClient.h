// The FTP client behind the four FTP steps: WinINet, passive mode, binary transfers.
#pragma once

#include <cstdint>
#include <string>

#include "core/ports/FtpPort.h"
#include "win32/internet/InternetHandles.h"

namespace vx::win32 {

class FtpClient : public FtpPort {
 public:
  // The steps carry no port: the client speaks to the FTP standard port unless it is made
  // for another one (a test server on a free port).
  explicit FtpClient(std::uint16_t port = INTERNET_DEFAULT_FTP_PORT) : port_(port) {}

  void SetConnection(const std::string& host, const std::string& username,
                     const std::string& password) override;
  void Connect() override;
  void Rename(const std::string& oldName, const std::string& newName) override;
  void Delete(const std::string& name) override;
  void Put(const std::string& localFile, const std::string& remoteName) override;
  void Get(const std::string& remoteName, const std::string& localFile) override;
  void Quit() override;

 private:
  HINTERNET Session();
  HINTERNET Connection(const char* what) const;

  std::uint16_t port_;
  std::string host_;
  std::string username_;
  std::string password_;
  UniqueInternet session_;
  UniqueInternet connection_;
};

}  // namespace vx::win32
