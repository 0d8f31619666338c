// The parameters of a program's command line, split as the system's start-up code splits
// them: blanks separate parameters, double quotes group blanks into one and are dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Every parameter, the program's own name first.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);
// The same for the wide command line, which holds every character a file name may have.
std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine);

}  // namespace vx
