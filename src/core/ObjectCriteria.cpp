#include "core/ObjectCriteria.h"

#include "core/Command.h"
#include "core/IntegerText.h"

namespace vx {

namespace {

std::int32_t BoundOf(const std::string& text) {
  return text.empty() ? 0 : StrToInt(text);
}

bool IsDotEntry(const std::string& name) {
  return name == "." || name == "..";
}

// Whether the search would look in another folder than the location: a path delimiter in
// the name sends it into a subfolder (or the parent), and the system reads the pattern only
// up to a zero byte. What it found there would be named as lying in the location, and a
// Delete Object step would remove an entry the criteria never selected.
bool LeadsElsewhere(const ObjectCriteria& criteria) {
  return criteria.name.find_first_of(std::string("\\/\0", 3)) != std::string::npos ||
         criteria.location.find('\0') != std::string::npos;
}

}  // namespace

ObjectCriteria ParseObjectCriteria(const std::string& text) {
  ObjectCriteria criteria;
  criteria.name = GetField(text, FieldSeparator, 0);
  criteria.location = GetField(text, FieldSeparator, 1);
  criteria.extensions = GetField(text, FieldSeparator, 2);
  criteria.lower = BoundOf(GetField(text, FieldSeparator, 3));
  criteria.upper = BoundOf(GetField(text, FieldSeparator, 4));
  return criteria;
}

std::string WithBackslash(const std::string& folder) {
  if (!folder.empty() && folder.back() == '\\') return folder;
  return folder + '\\';
}

std::string ExtensionOf(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

bool EntryMatches(const ObjectCriteria& criteria, const FindEntry& entry) {
  if (entry.attributes == kAttributeDirectory) return criteria.extensions.empty();
  if (!criteria.extensions.empty()) {
    const std::string ext = ExtensionOf(entry.name);
    if (ext.empty() || criteria.extensions.find(ext) == std::string::npos) return false;
  }
  // Bounds are kilobytes; 64-bit arithmetic keeps every 32-bit bound exact.
  const std::int64_t size = static_cast<std::int64_t>(entry.size);
  const std::int64_t lower = std::int64_t{criteria.lower} * 1024;
  const std::int64_t upper = std::int64_t{criteria.upper} * 1024;
  return size >= lower && (criteria.upper == 0 || size <= upper);
}

void QueryFiles(const std::string& criteriaText, ShellPort& shell, std::vector<std::string>& list,
                std::vector<std::string>& leftOut) {
  list.clear();
  leftOut.clear();
  const ObjectCriteria criteria = ParseObjectCriteria(criteriaText);
  if (criteria.location.empty() || LeadsElsewhere(criteria)) return;
  const std::string folder = WithBackslash(criteria.location);
  shell.FindFiles(folder + criteria.name + "*", [&](const FindEntry& entry) {
    if (!IsDotEntry(entry.name) && EntryMatches(criteria, entry))
      (entry.held ? list : leftOut).push_back(folder + entry.name);
    return true;
  });
}

}  // namespace vx
