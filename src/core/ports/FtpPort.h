// The FTP client the four FTP steps drive: connection settings stored for the next Connect,
// one operation per connection.
#pragma once

#include <string>

namespace vx {

class FtpPort {
 public:
  virtual ~FtpPort() = default;
  // Stored for the next Connect; every step sets all three anew.
  virtual void SetConnection(const std::string& host, const std::string& username,
                             const std::string& password) = 0;
  // Opens the connection and logs in; raises NetworkError.
  virtual void Connect() = 0;
  virtual void Rename(const std::string& oldName, const std::string& newName) = 0;
  virtual void Delete(const std::string& name) = 0;
  // Stores the local file's bytes under remoteName (never appends); an empty remoteName
  // stands for the file-name part of localFile.
  virtual void Put(const std::string& localFile, const std::string& remoteName) = 0;
  // Fetches remoteName into localFile, replacing a file that is there (never resumes).
  virtual void Get(const std::string& remoteName, const std::string& localFile) = 0;
  // Ends the session and closes the connection.
  virtual void Quit() = 0;
};

}  // namespace vx
