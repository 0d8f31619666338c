#include "core/Variables.h"

namespace vx {

int Variables::IndexOf(const std::string&) const { return -1; }
std::string Variables::SubstituteVariables(const std::string& text) const { return text; }
void Variables::ChangeVariable(const std::string&, const std::string&, StepLog&) {}
void Variables::SetVariable(const std::string&, const std::string&, StepLog&) {}

}  // namespace vx
