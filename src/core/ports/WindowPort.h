#pragma once

namespace vx {

class WindowPort {
 public:
  virtual ~WindowPort() = default;
};

}  // namespace vx
