// The recent-files list: names kept in a value store (the registry key "\Software\Vorlix",
// values "recent1", "recent2", ...) and shown as numbered entries of a menu.
//
// The store holds up to MaxItems + 1 names, value 1 the most recent; the menu shows at most
// the first MaxItems, so the extra one moves into view when an earlier entry is dropped.
// The class knows nothing about scripts or menus: a view receives the entries to show, and
// a click on an entry is turned into the file to open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/UnheldNames.h"

namespace vx::editor {

// Named text values. Errors (a registry that refuses) raise and reach the caller.
class ValueStore {
 public:
  virtual ~ValueStore() = default;
  // The value's text; a missing value reads as empty. A value the ANSI code page cannot
  // hold reads as not held.
  virtual StoredText ReadText(const std::string& name) = 0;
  // A held text as it is; one that a read found not held as that read found it.
  virtual void WriteText(const std::string& name, const StoredText& value) = 0;
};

// True when path names an existing file; a folder does not count.
using FileExistsFn = std::function<bool(const std::string& path)>;

// One menu entry.
struct RecentEntry {
  int number = 0;       // the value's number: 1 for the most recent file
  std::string caption;  // "&" + number + " " + name, each "&" of the name doubled
  std::string path;     // the file a click opens
  bool held = true;     // false: a name the ANSI code page cannot hold, shown with "?"

  bool operator==(const RecentEntry&) const = default;
};

// Where the entries appear and where the component's messages go.
class RecentFilesView {
 public:
  virtual ~RecentFilesView() = default;
  // Replaces the entries shown before with these, inserted into the parent menu from the
  // index position on, in order. An empty list removes them.
  virtual void ShowEntries(std::size_t position, const std::vector<RecentEntry>& entries) = 0;
  // An error box with one OK button ("ParentMenu not assigned", "Position out of range",
  // "File not found. Check the file path.").
  virtual void ShowErrorBox(const std::string& text) = 0;
};

struct RecentFilesOptions {
  std::uint8_t maxItems = 5;  // entries shown, 1 to 255
  bool showFullPath = false;  // captions show the full path, else the file-name part
  bool fileMustExist = true;  // names of vanished files are dropped from the store
};

class RecentFiles {
 public:
  // Raises std::invalid_argument for a maxItems of 0. Starts without a parent menu: call
  // SetParentMenu before the first Rebuild.
  RecentFiles(ValueStore& store, FileExistsFn fileExists, RecentFilesView& view,
              RecentFilesOptions options = {});

  // Puts fileName first in the store, with the spelling given, drops an older entry for the
  // same file (letters A-Z compared without case, everything else exactly), closes up empty
  // values, lets the oldest fall off the end, and rebuilds the menu.
  void Add(const std::string& fileName);

  // Reads the store into menu entries, first dropping (from the store too) every name whose
  // file no longer exists when fileMustExist is set. Numbers follow the values' numbers. A
  // name the ANSI code page cannot hold is shown with "?" and kept as it is stored: whether
  // its file exists cannot be asked without turning it into another name.
  void Rebuild();

  // The click on the entry at entryIndex (its place among the entries the view shows, in
  // menu order): the file to open, or nothing when the index names no entry, or when the
  // file has vanished since the menu was built (the view then shows "File not found. Check
  // the file path."). A name the code page cannot hold is refused with FileOpenError.
  std::optional<std::string> FileToOpen(std::size_t entryIndex) const;

  // The menu that receives the entries, given by its own item count (its items other than
  // these entries); nullopt for none, which removes the entries. A Position past the new
  // menu's count is pulled back to it. The entries appear at the next Rebuild.
  void SetParentMenu(std::optional<std::size_t> ownItemCount);
  // Index inside the parent menu of the first entry. With a parent menu set, a value past
  // its item count is refused with "Position out of range" and the old one kept; the count
  // itself is accepted (the entries then follow the menu's own items).
  void SetPosition(std::size_t position);
  std::size_t Position() const { return position_; }

 private:
  void CloseGapAt(std::size_t number);
  RecentEntry EntryFor(std::size_t number, const StoredText& name) const;
  void ClearItems();

  ValueStore& store_;
  FileExistsFn fileExists_;
  RecentFilesView& view_;
  RecentFilesOptions options_;
  std::optional<std::size_t> parentItemCount_;
  std::size_t position_ = 0;
  std::vector<RecentEntry> entries_;
};

// The name of the value that holds recent file number (1 upwards): "recent" + number.
std::string RecentValueName(std::size_t number);

// Lower-cases the letters A to Z only; every other byte stays as it is.
std::string FoldAsciiLower(std::string text);

}  // namespace vx::editor
