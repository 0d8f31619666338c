#pragma once

namespace vx {

class FtpPort {
 public:
  virtual ~FtpPort() = default;
};

}  // namespace vx
