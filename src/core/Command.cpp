#include "core/Command.h"

namespace vx {

std::string GetField(const std::string& text, char separator, std::int32_t n) {
  if (n < 0) return {};
  std::int32_t seen = 0;
  std::size_t start = 0;
  while (seen < n) {
    const std::size_t next = text.find(separator, start);
    if (next == std::string::npos) return {};
    start = next + 1;
    ++seen;
  }
  const std::size_t end = text.find(separator, start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

void ClearStep(TCommand& step) {
  step.p1.clear();
  step.p2.clear();
  step.p3.clear();
  step.p4.clear();
  step.enabled = 1;
}

}  // namespace vx
