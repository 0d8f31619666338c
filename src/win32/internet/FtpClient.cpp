#include "win32/internet/FtpClient.h"

#include "core/Errors.h"
#include "core/FileIO.h"
#include "win32/internet/FtpError.h"
#include "win32/internet/FtpLocalFile.h"
#include "win32/system/SystemText.h"

namespace vx::win32 {
namespace {

// Raises for the WinINet call whose result ok is, when it failed.
void Check(bool ok, const std::string& what) {
  if (!ok) {
    const DWORD code = ::GetLastError();
    RaiseFtpError(code, what);
  }
}

const char* OrNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

void FtpClient::SetConnection(const std::string& host, const std::string& username,
                              const std::string& password) {
  host_ = host;
  username_ = username;
  password_ = password;
}

HINTERNET FtpClient::Session() {
  if (!session_) {
    session_.Reset(::InternetOpenA("vexec", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    Check(static_cast<bool>(session_), "Cannot start the Internet functions");
  }
  return session_.Get();
}

HINTERNET FtpClient::Connection(const char* what) const {
  if (!connection_) throw NetworkError(std::string(what) + ": not connected.");
  return connection_.Get();
}

void FtpClient::Connect() {
  // A step that failed half-way left its connection open; this one starts afresh.
  connection_.Reset();
  // No user name logs in anonymously; a user name without a password sends an empty one.
  const char* password = username_.empty() ? nullptr : password_.c_str();
  connection_.Reset(::InternetConnectA(Session(), host_.c_str(), port_, OrNull(username_), password,
                                       INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 0));
  Check(static_cast<bool>(connection_), "Cannot connect to " + host_);
}

void FtpClient::Rename(const std::string& oldName, const std::string& newName) {
  Check(::FtpRenameFileA(Connection("Rename"), oldName.c_str(), newName.c_str()),
        "Cannot rename " + oldName + " to " + newName);
}

void FtpClient::Delete(const std::string& name) {
  Check(::FtpDeleteFileA(Connection("Delete"), name.c_str()), "Cannot delete " + name);
}

void FtpClient::Put(const std::string& localFile, const std::string& remoteName) {
  const HINTERNET connection = Connection("Upload");
  const std::string remote = remoteName.empty() ? FileNameOf(localFile) : remoteName;
  UniqueFile local(::CreateFileA(localFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!local) {
    const DWORD code = ::GetLastError();
    throw FileOpenError("Cannot open file \"" + localFile + "\". " + SystemErrorText(code));
  }
  UniqueInternet file(
      ::FtpOpenFileA(connection, remote.c_str(), GENERIC_WRITE, FTP_TRANSFER_TYPE_BINARY, 0));
  Check(static_cast<bool>(file), "Cannot upload to " + remote);
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(local.Get(), buffer, sizeof buffer, &read, nullptr)) {
      const DWORD code = ::GetLastError();
      throw InOutError("Cannot read file \"" + localFile + "\". " + SystemErrorText(code));
    }
    if (read == 0) break;
    DWORD written = 0;
    Check(::InternetWriteFile(file.Get(), buffer, read, &written) && written == read,
          "Upload of " + remote + " interrupted");
  }
  // Closing the data connection is what completes the transfer on the server.
  Check(::InternetCloseHandle(file.Release()), "Upload of " + remote + " not completed");
}

void FtpClient::Get(const std::string& remoteName, const std::string& localFile) {
  UniqueInternet file(::FtpOpenFileA(Connection("Download"), remoteName.c_str(), GENERIC_READ,
                                     FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_RELOAD, 0));
  Check(static_cast<bool>(file), "Cannot download " + remoteName);
  // Opened only now: a remote file that is refused leaves no trace on the local side.
  DownloadTarget target(localFile);
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    Check(::InternetReadFile(file.Get(), buffer, sizeof buffer, &read),
          "Download of " + remoteName + " interrupted");
    if (read == 0) break;
    target.Write(buffer, read);
  }
  Check(::InternetCloseHandle(file.Release()), "Download of " + remoteName + " not completed");
  target.Commit();
}

void FtpClient::Quit() {
  connection_.Reset();
}

}  // namespace vx::win32
