// Stand-ins for the registry, the disk and the window that the document tests drive.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/editor/document/DocumentSession.h"
#include "core/editor/document/RecentFiles.h"

namespace vx::editor::testing {

// Values as stored; a stored value listed in lacking is one the ANSI code page cannot hold,
// read as the text it maps to, not held.
class MapStore : public ValueStore {
 public:
  StoredText ReadText(const std::string& name) override {
    if (failReads) throw RegistryError("Failed to get data for '" + name + "'");
    const auto found = values.find(name);
    if (found == values.end()) return {};
    const auto shown = lacking.find(found->second);
    if (shown == lacking.end()) return {found->second};
    return {shown->second, false, found->second};
  }
  void WriteText(const std::string& name, const StoredText& value) override {
    if (failWrites) throw RegistryError("Failed to set data for '" + name + "'");
    values[name] = value.held ? value.text : value.original;
  }
  // "recent1".."recentN" in order, for comparing the store as a whole.
  std::vector<std::string> Recent(int upTo) const {
    std::vector<std::string> out;
    for (int i = 1; i <= upTo; ++i) {
      const auto found = values.find(RecentValueName(i));
      out.push_back(found == values.end() ? "" : found->second);
    }
    return out;
  }

  std::map<std::string, std::string> values;
  std::map<std::string, std::string> lacking;  // stored value -> its text with "?"
  bool failReads = false;
  bool failWrites = false;
};

class MenuView : public RecentFilesView {
 public:
  void ShowEntries(std::size_t at, const std::vector<RecentEntry>& shown) override {
    position = at;
    entries = shown;
  }
  void ShowErrorBox(const std::string& text) override { errorBoxes.push_back(text); }

  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (const RecentEntry& entry : entries) out.push_back(entry.caption);
    return out;
  }

  std::size_t position = 0;
  std::vector<RecentEntry> entries;
  std::vector<std::string> errorBoxes;
};

// Files as a map from path to bytes; every path in the map exists.
class MemoryFiles : public DocumentFiles {
 public:
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  std::string ReadAll(const std::string& path) override {
    const auto found = files.find(path);
    if (found == files.end()) throw InOutError("File not found");
    return found->second;
  }
  void WriteAll(const std::string& path, const std::string& bytes) override {
    if (readOnly.count(path)) {
      throw FileCreateError("Cannot create file \"" + path + "\". Permission denied");
    }
    files[path] = bytes;
  }

  std::map<std::string, std::string> files;
  std::set<std::string> readOnly;
};

class ScriptedUi : public DocumentUi {
 public:
  Answer AskYesNoCancel(const std::string& question) override {
    questions.push_back(question);
    return answer;
  }
  std::optional<std::string> ChooseFileToOpen() override { return openChoice; }
  std::optional<std::string> ChooseFileToSave(const std::string& proposedName) override {
    saveProposals.push_back(proposedName);
    return saveChoice;
  }
  void StepsReplaced() override {}
  void SetCaption(const std::string& text) override { caption = text; }
  void SetApplicationTitle(const std::string& text) override { applicationTitle = text; }
  void ReportError(const Error& error) override { reported.push_back(error.what()); }

  Answer answer = Answer::No;
  std::optional<std::string> openChoice;
  std::optional<std::string> saveChoice;
  std::vector<std::string> questions;
  std::vector<std::string> saveProposals;
  std::vector<std::string> reported;
  std::string caption = "Vorlix";
  std::string applicationTitle = "Vorlix";
};

}  // namespace vx::editor::testing
