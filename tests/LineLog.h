// The run log for tests: keeps every outcome line a step writes, in order. Given a journal,
// it also writes each line there as "log <line>", so that the calls the fakes note in the
// same journal and the lines interleave as they happened.
#pragma once

#include <string>
#include <vector>

#include "core/StepLog.h"

namespace vxtest {

class LineLog : public vx::StepLog {
 public:
  LineLog() = default;
  explicit LineLog(std::vector<std::string>& journal) : journal_(&journal) {}

  void Add(const std::string& line) override {
    lines.push_back(line);
    if (journal_) journal_->push_back("log " + line);
  }
  std::vector<std::string> lines;

 private:
  std::vector<std::string>* journal_ = nullptr;
};

}  // namespace vxtest
