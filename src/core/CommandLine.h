// The parameters of a program's command line, split as the system's start-up code splits
// them: blanks separate parameters, double quotes group blanks into one and are dropped.
#pragma once

#include <string>
#include <vector>

namespace vx {

// Every parameter, the program's own name first.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace vx
