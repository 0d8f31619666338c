#include "editor/dialogs/BrowseDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string_view>
#include <vector>

#include "win32/system/ProgramPath.h"

namespace vx::editor {

namespace {

constexpr DWORD FileNameCapacity = 32768;

// The chooser opens at the folder handed over as its data.
int CALLBACK SelectStartFolder(HWND chooser, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED) ::SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, start);
  return 0;
}

// "a|b|c|d" as the system takes it: each part ended by a zero byte, and one more at the end.
std::vector<char> SystemFilter(std::string_view filter) {
  std::vector<char> out(filter.begin(), filter.end());
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace

std::string EditorFolder() {
  const std::string path = win32::ProgramPath();
  return path.substr(0, path.find_last_of("\\/") + 1);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& start) {
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.lpszTitle = "Select a location";
  info.lpfn = SelectStartFolder;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderA(&info);
  if (!chosen) return std::nullopt;
  std::string path(MAX_PATH, '\0');
  const BOOL named = ::SHGetPathFromIDListA(chosen, path.data());
  ::CoTaskMemFree(chosen);
  // A place with no path of its own (the Desktop's printers, say) cannot be a location.
  if (!named) return std::nullopt;
  path.resize(path.find('\0'));
  return path;
}

std::optional<std::string> BrowseFromFolder(HWND owner, const std::string& folder) {
  return BrowseForFolder(owner, !folder.empty() && FolderExists(folder) ? folder : EditorFolder());
}

std::optional<std::string> ChooseFile(HWND owner, const FileChooser& chooser) {
  std::vector<char> name(FileNameCapacity, '\0');
  const std::string_view filterText = chooser.filter;
  const std::vector<char> filter = SystemFilter(filterText);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filterText.empty() ? nullptr : filter.data();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = FileNameCapacity;
  dialog.lpstrTitle = chooser.title;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  const BOOL chosen = chooser.save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
  if (!chosen) return std::nullopt;
  return std::string(name.data());
}

}  // namespace vx::editor
