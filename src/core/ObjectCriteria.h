// The object criteria of the disk steps: which entries of one folder a step acts on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ports/ShellPort.h"

namespace vx {

// The five sub-fields of an object criteria text, joined by FieldSeparator.
struct ObjectCriteria {
  std::string name;        // start of the entry name; "*" and "?" allowed
  std::string location;    // the one folder searched, not its subfolders
  std::string extensions;  // a file's extension must occur in it; empty: no test
  std::int32_t lower = 0;  // kilobytes; 0: no lower bound
  std::int32_t upper = 0;  // kilobytes; 0: no upper bound
};

// Missing sub-fields read as empty, empty bounds as 0. A bound that is not an integer text
// raises ConvertError.
ObjectCriteria ParseObjectCriteria(const std::string& text);

// folder with a "\" appended unless it already ends in one.
std::string WithBackslash(const std::string& folder);

// The text after the last "." of name; empty when name has none.
std::string ExtensionOf(const std::string& name);

// Whether an entry of the search (other than "." and "..") is selected: a plain folder
// passes only when there is no extension list; everything else must have its extension in
// the list (when there is one) and a size within the bounds, both inclusive.
bool EntryMatches(const ObjectCriteria& criteria, const FindEntry& entry);

// Replaces list with the full paths of the entries criteriaText selects, in the order the
// file search returns them. A criteria without a location selects nothing: searching the
// root of whatever drive happens to be current is never what the step's author meant, and
// a Delete Object step would empty it without a question. Nor does a name with a path
// delimiter or a zero byte in the name or location: the search would look in another
// folder than the location. An entry it selects whose name the ANSI code page cannot hold
// goes into leftOut instead (its path with "?" for what the code page lacks): no name the
// shell could be given for it is its own.
void QueryFiles(const std::string& criteriaText, ShellPort& shell, std::vector<std::string>& list,
                std::vector<std::string>& leftOut);

}  // namespace vx
