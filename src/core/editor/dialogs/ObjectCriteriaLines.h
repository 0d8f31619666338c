// The readable lines a criteria list shows for an object criteria.
#pragma once

#include <string>
#include <vector>

namespace vx::editor {

// A heading, then its value indented by three blanks, for each sub-field that is not
// empty: name, location, extension list, then both size bounds on one line. Headings land
// on even indices and values on odd ones (the list draws headings bold); at most eight
// lines. The sub-fields are shown as the criteria holds them, whatever bytes they are.
std::vector<std::string> ObjectCriteriaLines(const std::string& criteria);

}  // namespace vx::editor
