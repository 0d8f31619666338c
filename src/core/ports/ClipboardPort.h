#pragma once

namespace vx {

class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
};

}  // namespace vx
