// A run log for tests: keeps every outcome line a step writes, in order.
#pragma once

#include <string>
#include <vector>

#include "core/StepLog.h"

namespace vxtest {

class LineLog : public vx::StepLog {
 public:
  void Add(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

}  // namespace vxtest
