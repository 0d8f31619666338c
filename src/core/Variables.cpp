#include "core/Variables.h"

#include <cstddef>

#include "core/SystemText.h"

namespace vx {

namespace {

std::string NamePart(const std::string& line) {
  return line.substr(0, line.find('='));
}

std::string ValuePart(const std::string& line) {
  const std::size_t equals = line.find('=');
  return equals == std::string::npos ? std::string() : line.substr(equals + 1);
}

std::string Key(const std::string& name) {
  return "%" + name + "%";
}

// Left to right, non-overlapping; an inserted value is never scanned again.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::string result;
  std::size_t start = 0;
  for (std::size_t hit = text.find(from); hit != std::string::npos; hit = text.find(from, start)) {
    result.append(text, start, hit - start);
    result += to;
    start = hit + from.size();
  }
  result.append(text, start, std::string::npos);
  return result;
}

}  // namespace

int Variables::IndexOf(const std::string& name) const {
  const std::string key = Key(name);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (SameTextIgnoringCase(NamePart(lines_[i]), key)) return static_cast<int>(i);
  }
  return -1;
}

std::string Variables::SubstituteVariables(const std::string& text) const {
  std::string result = text;
  for (const std::string& line : lines_) {
    result = ReplaceAll(result, NamePart(line), ValuePart(line));
  }
  return result;
}

void Variables::ChangeVariable(const std::string& name, const std::string& value, StepLog& log) {
  const int index = IndexOf(name);
  if (index < 0) {
    log.Add("\"" + name + "\" is not declared. Variable must be declared first.");
    return;
  }
  const auto at = lines_.begin() + index;
  if (value.empty()) {
    lines_.erase(at);
  } else {
    *at = NamePart(*at) + "=" + value;
  }
  log.Add("\"" + name + "\" changed successfully to " + value);
}

void Variables::SetVariable(const std::string& name, const std::string& value, StepLog& log) {
  const std::string key = Key(name);
  const int index = IndexOf(name);
  // Substituted before the line changes: a reference to the variable itself inside its new
  // value stands for the old value.
  const std::string line = key + "=" + SubstituteVariables(value);
  if (index < 0) {
    log.Add("Creating a new variable " + name + " with a value " + value);
    lines_.push_back(line);
  } else {
    log.Add("Overwritting " + name + " value to " + value);
    lines_[static_cast<std::size_t>(index)] = line;
  }
}

}  // namespace vx
