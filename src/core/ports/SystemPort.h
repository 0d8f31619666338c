#pragma once

namespace vx {

class SystemPort {
 public:
  virtual ~SystemPort() = default;
};

}  // namespace vx
