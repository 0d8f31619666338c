// The system's file and folder choosers as the editor's dialogs show them, each owned by the
// dialog that asks.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vx::editor {

// The folder of the editor's own program, with its trailing backslash.
std::string EditorFolder();
// Whether path names an existing folder.
bool FolderExists(const std::string& path);

// The folder chooser titled "Select a location", rooted at the Desktop, opened at start,
// with no edit box and no new-folder button. nullopt when the user cancels.
std::optional<std::string> BrowseForFolder(HWND owner, const std::string& start);
// The folder chooser opened at folder when it exists, otherwise at the editor's folder.
std::optional<std::string> BrowseFromFolder(HWND owner, const std::string& folder);

// A file chooser. filter: pairs of description and pattern separated by "|", as the
// dialogs write them ("All Files(*.*)|*.*"); empty for none. title null: the system's.
struct FileChooser {
  const char* filter = "";
  const char* title = nullptr;
  bool save = false;
};
std::optional<std::string> ChooseFile(HWND owner, const FileChooser& chooser);

}  // namespace vx::editor
