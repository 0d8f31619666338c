#include <gtest/gtest.h>

#include <filesystem>

#include "LineLog.h"
#include "NetPeers.h"
#include "UnusedPorts.h"
#include "core/Errors.h"
#include "core/Interpreter.h"
#include "core/StepKinds.h"
#include "win32/internet/FtpClient.h"

namespace {

using vx::win32::FtpClient;
using vxtest::NetPeers;
using vxtest::ReadAll;
using vxtest::WriteAll;

// Bytes a text-mode transfer would change.
const std::string kBinary("line\r\nbare\nlf\0nul\x1a\xff end", 26);

using Names = std::vector<std::string>;

Names FilesIn(const vxtest::TempFolder& folder) {
  Names names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    names.push_back(entry.path().filename().string());
  return names;
}

class NetFtpClient : public ::testing::Test {
 protected:
  NetFtpClient() : client_(peers_.Port("ftp")) { LogIn(vxtest::kFtpPassword); }

  void LogIn(const std::string& password) {
    client_.SetConnection("127.0.0.1", vxtest::kFtpUser, password);
  }

  NetPeers peers_;
  FtpClient client_;
  vxtest::TempFolder local_;
};

TEST_F(NetFtpClient, PutStoresTheBytesUnderTheRemoteNameOrTheLocalFilesName) {
  const std::string named = vxtest::UniqueName(".bin");
  const std::string source = local_.File("source-" + named);
  WriteAll(source, kBinary);
  client_.Connect();
  client_.Put(source, named);
  client_.Put(source, "");
  client_.Quit();
  EXPECT_EQ(ReadAll(NetPeers::FtpFile(named)), kBinary);
  EXPECT_EQ(ReadAll(NetPeers::FtpFile("source-" + named)), kBinary);

  // Storing again replaces the remote file, never appends.
  WriteAll(source, "short");
  client_.Connect();
  client_.Put(source, named);
  client_.Quit();
  EXPECT_EQ(ReadAll(NetPeers::FtpFile(named)), "short");
}

TEST_F(NetFtpClient, GetReplacesAnExistingLocalFile) {
  const std::string remote = vxtest::UniqueName(".bin");
  std::string large;  // more than one transfer buffer
  for (int i = 0; i < 10000; ++i) large += kBinary;
  WriteAll(NetPeers::FtpFile(remote), large);
  const std::string target = local_.File("target.bin");
  WriteAll(target, "an older content");
  client_.Connect();
  client_.Get(remote, target);
  client_.Quit();
  EXPECT_EQ(ReadAll(target), large);
  EXPECT_EQ(FilesIn(local_), Names{"target.bin"});
}

TEST_F(NetFtpClient, RenameAndDeleteActOnTheServer) {
  const std::string name = vxtest::UniqueName(".txt");
  WriteAll(NetPeers::FtpFile(name), "content");
  client_.Connect();
  client_.Rename(name, "renamed-" + name);
  client_.Delete("renamed-" + name);
  client_.Quit();
  EXPECT_FALSE(std::filesystem::exists(NetPeers::FtpFile(name)));
  EXPECT_FALSE(std::filesystem::exists(NetPeers::FtpFile("renamed-" + name)));
}

TEST_F(NetFtpClient, ARefusedLoginRaisesWithTheServersReply) {
  LogIn("wrong");
  try {
    client_.Connect();
    ADD_FAILURE() << "a wrong password was accepted";
  } catch (const vx::NetworkError& error) {
    EXPECT_NE(std::string(error.what()).find("530"), std::string::npos) << error.what();
  }
  // The next connection with the right password works.
  LogIn(vxtest::kFtpPassword);
  client_.Connect();
  client_.Quit();
}

TEST_F(NetFtpClient, AMissingRemoteFileRaisesAndLeavesTheLocalFileAsItWas) {
  const std::string missing = vxtest::UniqueName(".missing");
  const std::string target = local_.File("keep.txt");
  WriteAll(target, "keep me");
  client_.Connect();
  try {
    client_.Get(missing, target);
    ADD_FAILURE() << "a missing file was fetched";
  } catch (const vx::NetworkError& error) {
    EXPECT_NE(std::string(error.what()).find("550"), std::string::npos) << error.what();
  }
  EXPECT_EQ(ReadAll(target), "keep me");
  EXPECT_EQ(FilesIn(local_), Names{"keep.txt"});
  EXPECT_THROW(client_.Delete(missing), vx::NetworkError);
  EXPECT_THROW(client_.Rename(missing, missing + ".new"), vx::NetworkError);
  client_.Quit();
}

TEST_F(NetFtpClient, ALocalFileThatCannotBeOpenedOrCreatedRaises) {
  const std::string remote = vxtest::UniqueName(".txt");
  WriteAll(NetPeers::FtpFile(remote), "remote");
  client_.Connect();
  EXPECT_THROW(client_.Put(local_.File("absent.txt"), remote), vx::FileOpenError);
  EXPECT_THROW(client_.Get(remote, local_.File("no-such-folder\\file.txt")), vx::FileCreateError);
  client_.Quit();
  EXPECT_EQ(ReadAll(NetPeers::FtpFile(remote)), "remote");
}

TEST_F(NetFtpClient, AnUnreachableServerRaises) {
  FtpClient nowhere(1);  // nothing listens on port 1
  nowhere.SetConnection("127.0.0.1", vxtest::kFtpUser, vxtest::kFtpPassword);
  EXPECT_THROW(nowhere.Connect(), vx::NetworkError);
  nowhere.SetConnection("", vxtest::kFtpUser, vxtest::kFtpPassword);
  EXPECT_THROW(nowhere.Connect(), vx::NetworkError);
}

TEST_F(NetFtpClient, RenameStepLogsItsThreeLines) {
  const std::string name = vxtest::UniqueName(".txt");
  WriteAll(NetPeers::FtpFile(name), "content");
  vxtest::LineLog log;
  vx::PlayerState state;
  vxtest::UnusedPorts unused;
  vx::Ports ports{.clipboard = unused,
                  .windows = unused,
                  .system = unused,
                  .shell = unused,
                  .input = unused,
                  .smtp = unused,
                  .ftp = client_,
                  .boxes = unused};
  vx::StepContext context{log, state, ports};
  const std::string sep(1, vx::FieldSeparator);
  vx::ExecuteStep(context, {vx::ckFtpRenameFile,
                            "127.0.0.1" + sep + vxtest::kFtpUser + sep + vxtest::kFtpPassword, name,
                            "step-" + name, "", 1});
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Connecting...", "Connected, Renaming file...",
                                                 "File Renamed, Disconnecting..."}));
  EXPECT_EQ(ReadAll(NetPeers::FtpFile("step-" + name)), "content");
}

}  // namespace
