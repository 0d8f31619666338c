// Building steps for the dialog tests.
#pragma once

#include <cstdint>
#include <string>

#include "core/Command.h"

namespace vxtest {

inline vx::TCommand Step(std::uint8_t kind, std::string p1 = "", std::string p2 = "",
                         std::string p3 = "", std::string p4 = "", std::uint8_t enabled = 1) {
  return vx::TCommand{kind, std::move(p1), std::move(p2), std::move(p3), std::move(p4), enabled};
}

// A step as the dialog's FormShow gets it when the tree adds one: cleared, of kind.
inline vx::TCommand NewStep(std::uint8_t kind) {
  return Step(kind);
}

// What Apply starts from when it must write every field itself: the step's kind, comment and
// enabled byte, and empty texts. A round trip applied onto it shows whether Apply wrote back
// each field the dialog showed (applied onto the step itself, a forgotten field would keep
// its old value and go unnoticed).
inline vx::TCommand Blank(const vx::TCommand& step) {
  return Step(step.kind, "", "", "", step.p4, step.enabled);
}

inline std::string Criteria(const std::string& name, const std::string& location,
                            const std::string& extension = "", const std::string& low = "",
                            const std::string& high = "") {
  const char s = vx::FieldSeparator;
  return name + s + location + s + extension + s + low + s + high;
}

}  // namespace vxtest
