#pragma once

namespace vx {

class ShellPort {
 public:
  virtual ~ShellPort() = default;
};

}  // namespace vx
