#include "core/editor/document/RecentFiles.h"

#include <stdexcept>
#include <utility>

#include "core/editor/document/DocumentNames.h"

namespace vx::editor {

namespace {

// A "&" in a menu caption marks the accelerator; a literal one is written twice.
std::string MenuText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out.push_back(c);
    if (c == '&') out.push_back('&');
  }
  return out;
}

}  // namespace

std::string RecentValueName(std::size_t number) {
  return "recent" + std::to_string(number);
}

std::string FoldAsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

RecentFiles::RecentFiles(ValueStore& store, FileExistsFn fileExists, RecentFilesView& view,
                         RecentFilesOptions options)
    : store_(store), fileExists_(std::move(fileExists)), view_(view), options_(options) {
  if (options_.maxItems == 0) throw std::invalid_argument("MaxItems must be 1 to 255");
}

// Reads one value further than the menu shows and empties what is left behind, so a store
// with a gap edited in by hand cannot end up holding one file twice.
// Reads the values the menu shows; the extra one beyond them is overwritten only when
// the list of names reaches it, and left as it was otherwise.
void RecentFiles::Add(const std::string& fileName) {
  const std::size_t maxItems = options_.maxItems;
  const std::string folded = FoldAsciiLower(fileName);
  std::vector<StoredText> names{StoredText{.text = fileName}};
  std::vector<StoredText> before;
  for (std::size_t i = 1; i <= maxItems; ++i) {
    before.push_back(store_.ReadText(RecentValueName(i)));
    const StoredText& value = before.back();
    // A name not held shows "?", which no file name holds: it is never fileName.
    if (!value.text.empty() && FoldAsciiLower(value.text) != folded) names.push_back(value);
  }
  for (std::size_t i = 0; i < names.size(); ++i) store_.WriteText(RecentValueName(i + 1), names[i]);
  // A name moved up from a value that the list no longer reaches would show twice.
  for (std::size_t i = names.size(); i < maxItems; ++i)
    if (!before[i].text.empty()) store_.WriteText(RecentValueName(i + 1), {});
  Rebuild();
}

void RecentFiles::CloseGapAt(std::size_t number) {
  const std::size_t maxItems = options_.maxItems;
  for (std::size_t j = number; j <= maxItems; ++j) {
    store_.WriteText(RecentValueName(j), store_.ReadText(RecentValueName(j + 1)));
  }
  store_.WriteText(RecentValueName(maxItems + 1), {});
}

RecentEntry RecentFiles::EntryFor(std::size_t number, const StoredText& name) const {
  std::string caption = "&";
  caption += std::to_string(number);
  caption += ' ';
  caption += MenuText(options_.showFullPath ? name.text : FileNamePart(name.text));
  return RecentEntry{static_cast<int>(number), std::move(caption), name.text, name.held};
}

void RecentFiles::Rebuild() {
  if (!parentItemCount_) {
    view_.ShowErrorBox("ParentMenu not assigned");
    return;
  }
  // Built apart and shown at the end, so a store error leaves the menu as it was.
  std::vector<RecentEntry> built;
  // Each gap closed removes a name from values i..MaxItems+1, so no more closes than values
  // are needed; the bound only matters for a store that drops its writes.
  std::size_t closesLeft = std::size_t{options_.maxItems} + 1;
  const auto gone = [this](const StoredText& value) {
    return !value.text.empty() && value.held && options_.fileMustExist && !fileExists_(value.text);
  };
  for (std::size_t i = 1; i <= options_.maxItems; ++i) {
    StoredText value = store_.ReadText(RecentValueName(i));
    while (gone(value) && closesLeft > 0) {
      --closesLeft;
      CloseGapAt(i);
      value = store_.ReadText(RecentValueName(i));
    }
    if (!value.text.empty() && !gone(value)) built.push_back(EntryFor(i, value));
  }
  entries_ = std::move(built);
  view_.ShowEntries(position_, entries_);
}

std::optional<std::string> RecentFiles::FileToOpen(std::size_t entryIndex) const {
  if (entryIndex >= entries_.size() || entries_[entryIndex].path.empty()) return std::nullopt;
  const std::string& path = entries_[entryIndex].path;
  if (!entries_[entryIndex].held) RefusePath(path, PathUse::Open);
  if (!fileExists_(path)) {
    view_.ShowErrorBox("File not found. Check the file path.");
    return std::nullopt;
  }
  return path;
}

void RecentFiles::ClearItems() {
  if (entries_.empty()) return;
  entries_.clear();
  view_.ShowEntries(position_, entries_);
}

void RecentFiles::SetParentMenu(std::optional<std::size_t> ownItemCount) {
  if (parentItemCount_) ClearItems();
  parentItemCount_ = ownItemCount;
  if (parentItemCount_ && *parentItemCount_ < position_) position_ = *parentItemCount_;
}

void RecentFiles::SetPosition(std::size_t position) {
  if (parentItemCount_ && position > *parentItemCount_) {
    view_.ShowErrorBox("Position out of range");
    return;
  }
  position_ = position;
}

}  // namespace vx::editor
