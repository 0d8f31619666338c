// Recording fakes for the internet steps: every call lands in one shared list, in order, so
// a test sees the log lines and the client calls interleaved as they happened.
#pragma once

#include <string>
#include <vector>

#include "LineLog.h"
#include "core/Errors.h"
#include "core/ports/FtpPort.h"
#include "core/ports/SmtpPort.h"

namespace vxtest {

using Trace = std::vector<std::string>;

// Raises NetworkError from the call whose trace entry starts with failOn.
class Failing {
 public:
  std::string failOn;

 protected:
  void Record(Trace& trace, const std::string& entry) {
    trace.push_back(entry);
    if (!failOn.empty() && entry.rfind(failOn, 0) == 0) throw vx::NetworkError("refused");
  }
};

class FakeSmtp : public vx::SmtpPort, public Failing {
 public:
  explicit FakeSmtp(Trace& trace) : trace_(trace) {}
  void SetConnection(const std::string& host, std::int32_t port, const std::string& username,
                     const std::string& password) override {
    Record(trace_,
           "smtp settings " + host + "|" + std::to_string(port) + "|" + username + "|" + password);
  }
  void Connect() override { Record(trace_, "smtp connect"); }
  void Send(const vx::SmtpMessage& message) override {
    sent.push_back(message);
    Record(trace_, "smtp send");
  }
  void Disconnect() override { Record(trace_, "smtp disconnect"); }

  std::vector<vx::SmtpMessage> sent;

 private:
  Trace& trace_;
};

class FakeFtp : public vx::FtpPort, public Failing {
 public:
  explicit FakeFtp(Trace& trace) : trace_(trace) {}
  void SetConnection(const std::string& host, const std::string& username,
                     const std::string& password) override {
    Record(trace_, "ftp settings " + host + "|" + username + "|" + password);
  }
  void Connect() override { Record(trace_, "ftp connect"); }
  void Rename(const std::string& oldName, const std::string& newName) override {
    Record(trace_, "ftp rename " + oldName + "|" + newName);
  }
  void Delete(const std::string& name) override { Record(trace_, "ftp delete " + name); }
  void Put(const std::string& localFile, const std::string& remoteName) override {
    Record(trace_, "ftp put " + localFile + "|" + remoteName);
  }
  void Get(const std::string& remoteName, const std::string& localFile) override {
    Record(trace_, "ftp get " + remoteName + "|" + localFile);
  }
  void Quit() override { Record(trace_, "ftp quit"); }

 private:
  Trace& trace_;
};

}  // namespace vxtest
