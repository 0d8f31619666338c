// The system's file and folder choosers as the editor's dialogs show them, each owned by the
// dialog that asks. They are the wide ones, and what they give is taken whole: a path of any
// length, and a name the ANSI code page cannot hold refused (win32::AnsiPath) rather than
// turned into a look-alike.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace vx::editor {

// The folder chooser titled "Select a location", rooted at the Desktop, with no edit box and
// no new-folder button, opened at the editor's own folder. nullopt when the user cancels.
std::optional<std::string> BrowseForFolder(HWND owner);
// The same chooser opened at folder when it names an existing folder.
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
