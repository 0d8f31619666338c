#include "win32/system/ShellItemPath.h"

#include <shlobj.h>
#include <shlwapi.h>

#include "core/Errors.h"
#include "win32/Handles.h"
#include "win32/system/SystemText.h"

namespace vx::win32 {

namespace {

struct IdListTraits {
  using Type = PIDLIST_ABSOLUTE;
  static Type Invalid() { return nullptr; }
  static void Close(Type list) { ::CoTaskMemFree(list); }
};
using UniqueIdList = Unique<IdListTraits>;

struct ShellFolderTraits {
  using Type = IShellFolder*;
  static Type Invalid() { return nullptr; }
  static void Close(Type folder) { folder->Release(); }
};
using UniqueShellFolder = Unique<ShellFolderTraits>;

// The item's own name in its folder as the shell parses it, for an item of the file system.
std::optional<std::wstring> NameInFolder(PCIDLIST_ABSOLUTE item) {
  IShellFolder* bound = nullptr;
  PCUITEMID_CHILD child = nullptr;
  if (FAILED(::SHBindToParent(item, IID_IShellFolder, reinterpret_cast<void**>(&bound), &child)))
    return std::nullopt;
  const UniqueShellFolder folder(bound);
  SFGAOF attributes = SFGAO_FILESYSTEM;
  STRRET name{};
  wchar_t* text = nullptr;
  if (FAILED(folder.Get()->GetAttributesOf(1, &child, &attributes)) ||
      (attributes & SFGAO_FILESYSTEM) == 0 ||
      FAILED(folder.Get()->GetDisplayNameOf(child, SHGDN_INFOLDER | SHGDN_FORPARSING, &name)) ||
      FAILED(::StrRetToStrW(&name, child, &text)))
    return std::nullopt;
  std::wstring own(text);
  ::CoTaskMemFree(text);
  return own;
}

}  // namespace

std::optional<std::wstring> ShellItemPath(PCIDLIST_ABSOLUTE item) {
  std::wstring path(32768, L'\0');
  const bool given = ::SHGetPathFromIDListEx(item, path.data(), static_cast<DWORD>(path.size()),
                                             GPFIDL_DEFAULT) != FALSE;
  path.resize(given ? path.find(L'\0') : 0);
  // Wine gives only the first MAX_PATH - 1 characters of a longer path and reports success:
  // a path that long is made again from its folder's path and its own name, which no limit
  // cuts.
  if (given && path.size() < MAX_PATH - 1) return path;
  std::optional<std::wstring> whole;
  if (item->mkid.cb != 0) {
    const UniqueIdList parent(::ILClone(item));
    std::optional<std::wstring> folder;
    if (parent && ::ILRemoveLastID(parent.Get())) folder = ShellItemPath(parent.Get());
    const std::optional<std::wstring> name = folder ? NameInFolder(item) : std::nullopt;
    if (name) whole = folder->ends_with(L'\\') ? *folder + *name : *folder + L'\\' + *name;
  }
  if (whole || !given) return whole;
  throw FileOpenError("Cannot open folder \"" + NarrowText(path, CP_ACP) +
                      "\". The system gives only the first " + std::to_string(path.size()) +
                      " characters of its path.");
}

}  // namespace vx::win32
