// Where the steps report what they did: one outcome line at a time into the run log
// (and, through it, the progress window's list).
#pragma once

#include <string>

namespace vx {

class StepLog {
 public:
  virtual ~StepLog() = default;
  virtual void Add(const std::string& line) = 0;
};

}  // namespace vx
