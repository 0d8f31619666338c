#pragma once

namespace vx {

class SmtpPort {
 public:
  virtual ~SmtpPort() = default;
};

}  // namespace vx
