// The "Recent Files" submenu over the registry values "recent1", "recent2", ... under
// "Software\Vorlix".
#include "editor/main/FrmMain.h"
#include "win32/system/Registry.h"

namespace vx::editor {

namespace {

class RegistryValueStore : public ValueStore {
 public:
  StoredText ReadText(const std::string& name) override {
    return win32::RegistryReader(HKEY_CURRENT_USER, win32::SettingsKey).ReadText(name);
  }
  void WriteText(const std::string& name, const StoredText& value) override {
    win32::RegistryWriter(HKEY_CURRENT_USER, win32::SettingsKey).WriteText(name, value);
  }
};

}  // namespace

void Tfrmmain::CreateRecentFiles() {
  // "Recent Files" is built as a plain item (its entries come later): give it its submenu.
  const HMENU file = MainMenu().SubMenu(mFile);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_SUBMENU;
  info.hSubMenu = ::CreatePopupMenu();
  ::SetMenuItemInfoA(file, mRecent, FALSE, &info);
  recentStore_ = std::make_unique<RegistryValueStore>();
  rfmain = std::make_unique<RecentFiles>(*recentStore_, IsExistingFile,
                                         static_cast<RecentFilesView&>(*this));
  rfmain->SetParentMenu(0);
  rfmain->SetPosition(0);
}

void Tfrmmain::ShowEntries(std::size_t position, const std::vector<RecentEntry>& entries) {
  const HMENU menu = MainMenu().SubMenu(mRecent);
  if (!menu) return;
  for (; recentShown_ > 0; --recentShown_)
    ::DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
  for (const RecentEntry& entry : entries) {
    const auto command = static_cast<UINT>(mRecentFirst + recentShown_);
    if (command > mRecentLast) break;
    ::InsertMenuA(menu, static_cast<UINT>(position + recentShown_), MF_BYPOSITION | MF_STRING,
                  command, entry.caption.c_str());
    ++recentShown_;
  }
  ::DrawMenuBar(Handle());
}

void Tfrmmain::ShowErrorBox(const std::string& text) {
  ::MessageBoxA(Handle(), text.c_str(), "Error", MB_OK | MB_ICONERROR);
}

// An entry's command is its place in the menu, so an empty value between two names shifts
// nothing.
void Tfrmmain::rfmainClickRecentItem(WORD command) {
  if (const std::optional<std::string> file = rfmain->FileToOpen(command - mRecentFirst))
    document_->OpenRecent(*file);
}

}  // namespace vx::editor
