// The player's variables: "%name%=value" lines in order of first declaration.
#pragma once

#include <string>
#include <vector>

#include "core/StepLog.h"

namespace vx {

// A line's name part is everything before its first "=" (both "%" signs included), its
// value part everything after. A name that itself holds "=" therefore splits its own line
// and is never found again; that is how the list has always behaved, and scripts rely on
// the order and spelling the lines keep.
class Variables {
 public:
  // Index of the line whose name part equals "%" + name + "%", ignoring letter case; -1
  // when there is none.
  int IndexOf(const std::string& name) const;
  // Every reference "%name%" replaced by its value, one pass per line in list order.
  std::string SubstituteVariables(const std::string& text) const;
  // Sets the value of a declared variable (an empty value removes it) and logs the change.
  void ChangeVariable(const std::string& name, const std::string& value, StepLog& log);
  // Kind 254: declares or overwrites a variable with value substituted.
  void SetVariable(const std::string& name, const std::string& value, StepLog& log);

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace vx
