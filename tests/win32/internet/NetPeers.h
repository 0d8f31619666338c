// Where the test servers started by the fixture listen and keep their files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace vxtest {

inline constexpr const char* kFtpUser = "vxuser";
inline constexpr const char* kFtpPassword = "vxpass";
inline constexpr const char* kSmtpUser = "mailer";
inline constexpr const char* kSmtpPassword = "letmein";

class NetPeers {
 public:
  NetPeers() {
    std::ifstream in(State() / "ports.txt");
    for (std::string line; std::getline(in, line);) {
      const auto equals = line.find('=');
      if (equals != std::string::npos)
        ports_[line.substr(0, equals)] = std::stoi(line.substr(equals + 1));
    }
  }

  // The port of "ftp", "smtp" (LOGIN and PLAIN), "smtpplain" (PLAIN only) or "smtphelo" (no
  // EHLO); fails the test when the peers are not running (they need ctest's fixture).
  std::uint16_t Port(const std::string& name) const {
    const auto found = ports_.find(name);
    if (found == ports_.end()) {
      ADD_FAILURE() << "no " << name << " server: run these tests through ctest";
      return 1;
    }
    return static_cast<std::uint16_t>(found->second);
  }

  static std::filesystem::path State() { return VX_NET_PEERS_STATE; }
  static std::string FtpFile(const std::string& name) {
    return (State() / "ftproot" / name).string();
  }

  // Every message the SMTP servers delivered, as stored: "FROM ..." and "RCPT ..." lines,
  // then the data.
  static std::vector<std::string> Messages() {
    std::vector<std::string> messages;
    for (const auto& entry : std::filesystem::directory_iterator(State() / "mail")) {
      if (entry.path().extension() == ".eml") messages.push_back(ReadAll(entry.path().string()));
    }
    return messages;
  }

 private:
  std::map<std::string, int> ports_;
};

// A name no other test uses, so that tests running beside each other share the servers.
inline std::string UniqueName(const std::string& suffix = "") {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::string(info->test_suite_name()) + "-" + info->name() + suffix;
}

}  // namespace vxtest
