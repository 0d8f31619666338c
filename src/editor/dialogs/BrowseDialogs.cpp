#include "editor/dialogs/BrowseDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "core/FileCalls.h"
#include "win32/system/AnsiPath.h"
#include "win32/system/ProgramPath.h"
#include "win32/system/ShellItemPath.h"
#include "win32/system/SystemText.h"

namespace vx::editor {

namespace {

// Long enough for any path the system can give.
constexpr DWORD FileNameCapacity = 32768;

// The folder the chooser opens at, and whether it has been made the chooser's selection.
struct StartFolder {
  const wchar_t* path = nullptr;
  bool selecting = false;
  bool selected = false;
};

// The chooser opens at the start folder. Under Wine the selection now and then does not
// take (the call returns at once and nothing is selected; its result is 0 either way), so
// it is asked again until the chooser reports the change it makes while asked.
int CALLBACK SelectStartFolder(HWND chooser, UINT message, LPARAM, LPARAM data) {
  auto* start = reinterpret_cast<StartFolder*>(data);
  if (message == BFFM_SELCHANGED && start->selecting) start->selected = true;
  if (message != BFFM_INITIALIZED) return 0;
  constexpr int Tries = 5;
  start->selecting = true;
  for (int i = 0; i < Tries && !start->selected; ++i)
    ::SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->path));
  start->selecting = false;
  return 0;
}

std::optional<std::string> Browse(HWND owner, const std::wstring& start) {
  StartFolder startFolder{start.c_str()};
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = L"Select a location";
  info.lpfn = SelectStartFolder;
  info.lParam = reinterpret_cast<LPARAM>(&startFolder);
  PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&info);
  if (!chosen) return std::nullopt;
  std::optional<std::wstring> path;
  try {
    path = win32::ShellItemPath(chosen);
  } catch (...) {
    ::CoTaskMemFree(chosen);
    throw;
  }
  ::CoTaskMemFree(chosen);
  // A place with no path of its own (the Desktop's printers, say) cannot be a location.
  if (!path) return std::nullopt;
  return win32::AnsiPath(*path, win32::PathUse::Folder);
}

std::wstring EditorFolder() {
  const std::wstring path = win32::ProgramPathWide();
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// "a|b|c|d" as the system takes it: each part ended by a zero, and one more at the end.
std::wstring SystemFilter(const std::string& filter) {
  std::wstring out = win32::WideText(filter, CP_ACP);
  std::replace(out.begin(), out.end(), L'|', L'\0');
  out.push_back(L'\0');
  return out;
}

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner) {
  return Browse(owner, EditorFolder());
}

std::optional<std::string> BrowseFromFolder(HWND owner, const std::string& folder) {
  if (folder.empty() || !files::Inspect(folder).folder) return BrowseForFolder(owner);
  return Browse(owner, win32::WideText(folder, CP_ACP));
}

std::optional<std::string> ChooseFile(HWND owner, const FileChooser& chooser) {
  std::vector<wchar_t> name(FileNameCapacity, L'\0');
  const std::string filterText = chooser.filter;
  const std::wstring filter = SystemFilter(filterText);
  const std::wstring title = chooser.title ? win32::WideText(chooser.title, CP_ACP) : L"";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filterText.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = FileNameCapacity;
  dialog.lpstrTitle = chooser.title ? title.c_str() : nullptr;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  const BOOL chosen = chooser.save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return win32::AnsiPath(name.data(), chooser.save ? win32::PathUse::Create : win32::PathUse::Open);
}

}  // namespace vx::editor
