#pragma once

namespace vx {

class InputPort {
 public:
  virtual ~InputPort() = default;
};

}  // namespace vx
