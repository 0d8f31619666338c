// A shell port over a few made-up folders, for fuzzing the object query: entries at known
// paths, searched as FindFirstFileA searches (the pattern is a C string, its wildcards count
// in its last part only, names compare without regard to case, "." and ".." come first),
// with every entry a search hands out and every file operation noted.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "UnusedPorts.h"
#include "core/ports/ShellPort.h"

namespace vxfuzz {

struct TreeEntry {
  std::string folder;  // ends in a path delimiter
  vx::FindEntry entry;
};

// One SHFileOperationA call.
struct Operation {
  std::uint32_t func = 0;
  std::string from;
  std::string to;
  std::uint16_t flags = 0;
};

// Only the search and the file operation are the query's to use; any other call of any port
// throws and ends the fuzzing run.
class FolderTreeShell : public vxtest::UnusedPorts {
 public:
  std::vector<std::string> folders;  // the folders that exist, each ending in a delimiter
  std::vector<TreeEntry> tree;
  std::vector<std::string> searches;
  std::vector<std::string> handedOut;  // the full path of every entry a search handed out
  std::vector<vx::FindEntry> handedOutEntries;
  bool cutShort = false;  // a search ended before its last entry
  std::vector<Operation> operations;

  void FindFiles(const std::string& pattern,
                 const std::function<bool(const vx::FindEntry&)>& visit) override {
    searches.push_back(pattern);
    const std::string path = pattern.c_str();
    const std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos) return;
    const std::string folder = path.substr(0, cut + 1);
    const std::string name = path.substr(cut + 1);
    if (folder.find_first_of("*?") != std::string::npos) return;  // an invalid name
    const auto known = std::find_if(folders.begin(), folders.end(),
                                    [&](const std::string& f) { return SameName(f, folder); });
    if (known == folders.end()) return;
    std::vector<TreeEntry> listing{{*known, {".", 0x10, 0}}, {*known, {"..", 0x10, 0}}};
    for (const TreeEntry& e : tree)
      if (SameName(e.folder, *known)) listing.push_back(e);
    for (const TreeEntry& e : listing) {
      if (!Matches(name, e.entry.name)) continue;
      handedOut.push_back(e.folder + e.entry.name);
      handedOutEntries.push_back(e.entry);
      if (!visit(e.entry)) {
        cutShort = true;
        return;
      }
    }
  }

  int FileOperation(std::uint32_t func, const std::string& from, const std::string& to,
                    std::uint16_t flags) override {
    operations.push_back({func, from, to, flags});
    return 0;
  }

 private:
  static char Fold(char c) {
    if (c == '/') return '\\';
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }

  // Folder names compare as the system compares paths: without regard to case, with "/" and
  // "\\" alike and a run of delimiters read as one.
  static std::string Folded(const std::string& path) {
    std::string folded;
    for (char c : path)
      if (Fold(c) != '\\' || folded.empty() || folded.back() != '\\') folded += Fold(c);
    return folded;
  }

  static bool SameName(const std::string& a, const std::string& b) {
    return Folded(a) == Folded(b);
  }

  // "*" stands for any run of characters, "?" for any one.
  static bool Matches(const std::string& pattern, const std::string& name) {
    std::size_t p = 0, n = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
      if (p < pattern.size() && pattern[p] == '*') {
        star = p++;
        resume = n;
      } else if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
        ++p;
        ++n;
      } else if (star != std::string::npos) {
        p = star + 1;
        n = ++resume;
      } else {
        return false;
      }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
  }
};

}  // namespace vxfuzz
