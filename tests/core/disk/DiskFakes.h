// A recording shell port and step log for the disk steps: every log line and every call
// goes, in order, into one list of events.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "LineLog.h"
#include "UnusedPorts.h"
#include "core/Interpreter.h"
#include "core/ports/ShellPort.h"

namespace vxtest {

using Events = std::vector<std::string>;

// Zero bytes of the shell's lists shown as "|" so that expectations stay readable.
inline std::string Visible(std::string bytes) {
  for (char& c : bytes)
    if (c == '\0') c = '|';
  return bytes;
}

class FakeTextFile : public vx::ShellTextFile {
 public:
  FakeTextFile(Events& events, std::string& content, std::uint32_t writeError)
      : events_(events), content_(content), writeError_(writeError) {}
  std::uint32_t Write(const std::string& bytes) override {
    events_.push_back("write " + bytes);
    if (writeError_ == 0) content_ += bytes;
    return writeError_;
  }
  std::uint32_t Flush() override {
    events_.push_back("flush");
    return 0;
  }
  std::uint32_t Close() override {
    events_.push_back("close");
    return 0;
  }

 private:
  Events& events_;
  std::string& content_;
  std::uint32_t writeError_;
};

class FakeShell : public vx::ShellPort {
 public:
  explicit FakeShell(Events& events) : events_(events) {}

  std::map<std::string, std::vector<vx::FindEntry>> folders;  // pattern -> entries
  std::map<std::string, std::string> files;                   // path -> content
  int operationResult = 0;
  std::uint32_t createError = 0;
  std::uint32_t writeError = 0;
  std::uint32_t readError = 0;

  int FileOperation(std::uint32_t func, const std::string& from, const std::string& to,
                    std::uint16_t flags) override {
    events_.push_back("op " + std::to_string(func) + " from " + Visible(from) + " to " +
                      Visible(to) + " flags " + std::to_string(flags));
    return operationResult;
  }
  void FindFiles(const std::string& pattern,
                 const std::function<bool(const vx::FindEntry&)>& visit) override {
    events_.push_back("find " + pattern);
    const auto found = folders.find(pattern);
    if (found != folders.end()) {
      for (const vx::FindEntry& entry : found->second)
        if (!visit(entry)) return;
      return;
    }
    // A single file answers a search for its own path, as the system's search does.
    if (files.count(pattern)) visit({pattern.substr(pattern.find_last_of('\\') + 1), 0x20, 0});
  }
  std::int32_t RunFile(const std::string& verb, const std::string& file,
                       const std::string& parameters, const std::string& directory,
                       std::uint16_t show, bool wait) override {
    events_.push_back("run " + verb + " [" + file + "] [" + parameters + "] [" + directory + "] " +
                      std::to_string(show) + (wait ? " wait" : " nowait"));
    return 0;
  }
  std::uint32_t CreateText(const std::string& path,
                           std::unique_ptr<vx::ShellTextFile>& file) override {
    events_.push_back("create " + path);
    if (createError != 0) return createError;
    files[path].clear();
    file = std::make_unique<FakeTextFile>(events_, files[path], writeError);
    return 0;
  }
  std::uint32_t AppendText(const std::string& path,
                           std::unique_ptr<vx::ShellTextFile>& file) override {
    events_.push_back("append " + path);
    file = std::make_unique<FakeTextFile>(events_, files[path], writeError);
    return 0;
  }
  std::uint32_t ReadBytes(const std::string& path, std::string& bytes) override {
    events_.push_back("read " + path);
    if (readError != 0) return readError;
    bytes = files[path];
    return 0;
  }
  std::string ErrorText(std::uint32_t code) override {
    return "system text " + std::to_string(code);
  }

 private:
  Events& events_;
};

// One step run against the fakes, with the player's state kept between steps.
struct DiskBench {
  Events events;
  LineLog log{events};
  FakeShell shell{events};
  UnusedPorts unused;
  vx::PlayerState state;
  vx::Ports ports{.clipboard = unused,
                  .windows = unused,
                  .system = unused,
                  .shell = shell,
                  .input = unused,
                  .smtp = unused,
                  .ftp = unused,
                  .boxes = unused};
  vx::StepContext context{log, state, ports};

  void Run(std::uint8_t kind, std::string p1, std::string p2 = "", std::string p3 = "") {
    vx::TCommand step;
    step.kind = kind;
    step.p1 = std::move(p1);
    step.p2 = std::move(p2);
    step.p3 = std::move(p3);
    vx::ExecuteStep(context, step);
  }
};

// The criteria text the editor writes: the five sub-fields joined by the separator.
inline std::string Criteria(const std::string& name, const std::string& location,
                            const std::string& extensions = "", const std::string& lower = "",
                            const std::string& upper = "") {
  const char sep = '\x01';
  return name + sep + location + sep + extensions + sep + lower + sep + upper;
}

}  // namespace vxtest
