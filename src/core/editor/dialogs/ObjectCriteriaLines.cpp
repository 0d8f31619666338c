#include "core/editor/dialogs/ObjectCriteriaLines.h"

#include "core/Command.h"

namespace vx::editor {

namespace {

const std::string kIndent = "   ";

void AddHeadedValue(std::vector<std::string>& lines, const char* heading,
                    const std::string& value) {
  if (value.empty()) return;
  lines.emplace_back(heading);
  lines.push_back(kIndent + value);
}

// Both bounds share one line. The lower bound alone keeps its trailing ", " and the upper
// bound alone has no indent: that is how these lines have always read.
std::string SizeLine(const std::string& low, const std::string& high) {
  std::string line;
  if (!low.empty()) line = kIndent + "Bigger than " + low + "KB, ";
  if (!high.empty()) line += "Smaller than " + high + "KB";
  return line;
}

}  // namespace

std::vector<std::string> ObjectCriteriaLines(const std::string& criteria) {
  std::vector<std::string> lines;
  AddHeadedValue(lines, "With a filename of", GetField(criteria, FieldSeparator, 0));
  AddHeadedValue(lines, "Located in", GetField(criteria, FieldSeparator, 1));
  AddHeadedValue(lines, "And with an extension of", GetField(criteria, FieldSeparator, 2));
  const std::string low = GetField(criteria, FieldSeparator, 3);
  const std::string high = GetField(criteria, FieldSeparator, 4);
  if (!low.empty() || !high.empty()) {
    lines.emplace_back("With a file size");
    lines.push_back(SizeLine(low, high));
  }
  return lines;
}

}  // namespace vx::editor
