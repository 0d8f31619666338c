#include <gtest/gtest.h>
#include <windows.h>
// windows.h must come before commctrl.h.
#include <commctrl.h>

#include <cstring>
#include <thread>

#include "TempFolder.h"
#include "core/StepKinds.h"
#include "e2e/PlayerHarness.h"
#include "e2e/editor_dialogs_disk/DiskDialogsRig.h"
#include "editor/dialogs/FrmOptions.h"
#include "win32/editor_dialogs/UserAtDialog.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::InModalLoop;

// The type and bytes of a value of the settings key; type 0 when it is missing.
struct StoredValue {
  DWORD type = 0;
  std::string bytes;
};
StoredValue Stored(const char* name) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer, type = 0;
  if (::RegGetValueA(HKEY_CURRENT_USER, vxtest::VorlixKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                     buffer, &size) != ERROR_SUCCESS)
    return {};
  if (type == REG_SZ) return {type, buffer};
  return {type, std::string(buffer, size)};
}
std::string Dword(std::uint32_t value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

class OptionsDialogE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    vxtest::ClearVorlixSettings();
    dialog.Create(host.DialogOwner());
  }
  void TearDown() override { vxtest::ClearVorlixSettings(); }
  vxtest::RigHost host;
  Tfrmoptions dialog;
  vxtest::TempFolder folder;
};

// With no settings key the dialog opens quietly with the player's defaults. Each check box,
// found by its caption, and the path box, found by its label, write their own value: three
// showings, each clicking some of them, give every two flags unequal values once (the
// extended flag is written also while its box is disabled). What Apply writes has the types
// the player reads, and the player then logs where the dialog said.
TEST_F(OptionsDialogE2E, EachControlWritesItsOwnSetting) {
  using namespace vxtest::user;
  const std::string logFolder = folder.File("");
  const struct {
    std::vector<Entry> entries;
    std::uint32_t log, show, extended;
    std::string path;
  } runs[] = {
      {{ClickOn("Show vorlix parser window")}, 0, 1, 0, ""},
      {{ClickOn("Extended Mode"), ClickOn("Show vorlix parser window")}, 0, 0, 1, ""},
      {{ClickOn("Enable Logging"), Type({"Path:"}, logFolder)}, 1, 0, 1, logFolder},
  };
  for (const auto& run : runs) {
    bool errorBox = true;
    vxtest::UserSteps steps;
    steps.push_back({"", nullptr, [&] {
                       errorBox = vxtest::FindMessageBox({.processId = ::GetCurrentProcessId()}) !=
                                  nullptr;
                       vxtest::Shot(dialog.Handle(), "options");
                     }});
    steps += StepsOf(dialog, run.entries);
    steps += Press(dialog, "Apply");
    vxtest::AsUser(std::move(steps));
    ASSERT_EQ(dialog.Open(), IDOK);
    vxtest::FinishAsUser();
    EXPECT_FALSE(errorBox);
    EXPECT_EQ(Stored("vpLog").bytes, Dword(run.log));
    EXPECT_EQ(Stored("vpShow").bytes, Dword(run.show));
    EXPECT_EQ(Stored("vpExtended").bytes, Dword(run.extended));
    EXPECT_EQ(Stored("vpLogPath").bytes, run.path);
  }
  for (const char* flag : {"vpLog", "vpShow", "vpExtended"})
    EXPECT_EQ(Stored(flag).type, DWORD(REG_DWORD)) << flag;
  EXPECT_EQ(Stored("vpLogPath").type, DWORD(REG_SZ));

  // The player, without its window, writes its run log into the folder typed.
  const std::string script = folder.File("opts.vxz");
  vxtest::WriteScript(script, {vxtest::Step(ckWait, "1")});
  const vxtest::RunResult run = vxtest::RunVexec({script});
  ASSERT_TRUE(run.finished);
  EXPECT_TRUE(vxtest::ReadFileText(vxtest::LogFileFor(logFolder, script)).has_value());
}

// Showing again reloads the stored settings; Cancel writes nothing.
TEST_F(OptionsDialogE2E, CancelLeavesTheStoredSettings) {
  vxtest::SetPlayerSettings({.show = true, .extended = true, .log = false, .logPath = "C:\\x"});
  InModalLoop({[&] {
    EXPECT_TRUE(dialog.chkvpshow.Checked());
    EXPECT_TRUE(dialog.chkvpextended.Checked());
    EXPECT_TRUE(dialog.chkvpextended.Enabled());
    EXPECT_EQ(dialog.txtlogpath.Text(), "C:\\x");
    Click(dialog.chkvpshow.Handle());
    EXPECT_FALSE(dialog.chkvpextended.Enabled());
    Click(dialog.cmdcancel.Handle());
  }});
  EXPECT_EQ(dialog.Open(), IDCANCEL);
  EXPECT_EQ(Stored("vpShow").bytes, Dword(1));
  EXPECT_EQ(Stored("vpLog").bytes, Dword(0));
}

// A folder whose path is longer than MAX_PATH, chosen in the folder chooser as a user walks
// to it from its parent with the keyboard, comes back whole (under Wine the shell gives only
// the first 259 characters of such a path and calls that success).
TEST_F(OptionsDialogE2E, TheBrowseButtonTakesAFolderPastMaxPath) {
  const std::wstring parent =
      (folder.Path() / std::string(100, 'a') / std::string(100, 'b')).wstring();
  const std::wstring deep = parent + L"\\" + std::wstring(100, L'c');
  const auto Long = [](const std::wstring& path) { return L"\\\\?\\" + path; };
  ::CreateDirectoryW(Long(folder.Path().wstring() + L"\\" + std::wstring(100, L'a')).c_str(),
                     nullptr);
  ::CreateDirectoryW(Long(parent).c_str(), nullptr);
  ASSERT_TRUE(::CreateDirectoryW(Long(deep).c_str(), nullptr));
  // Removed here: removing the whole folder does not reach that deep under Wine.
  const struct Tidy {
    std::wstring deep;
    ~Tidy() { ::RemoveDirectoryW((L"\\\\?\\" + deep).c_str()); }
  } tidy{deep};
  ASSERT_LT(parent.size(), 250u);
  ASSERT_GT(deep.size(), std::size_t{MAX_PATH});
  vxtest::SetPlayerSettings({.logPath = std::string(parent.begin(), parent.end())});

  std::string chosen;
  std::thread user([&] {
    HWND chooser = nullptr, tree = nullptr;
    const auto next = [&](UINT relation, HTREEITEM item) {
      return reinterpret_cast<HTREEITEM>(
          ::SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    };
    // The tree is this process's: its item texts can be read straight.
    const auto name = [&](HTREEITEM at) {
      wchar_t text[MAX_PATH] = {};
      TVITEMW item{};
      item.mask = TVIF_TEXT;
      item.hItem = at;
      item.pszText = text;
      item.cchTextMax = MAX_PATH;
      ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
      return std::wstring(text);
    };
    // The item of that name among those the tree holds now.
    const auto find = [&](const std::wstring& wanted) {
      std::vector<HTREEITEM> open = {next(TVGN_ROOT, nullptr)};
      while (!open.empty()) {
        const HTREEITEM item = open.back();
        open.pop_back();
        if (!item) continue;
        if (name(item) == wanted) return item;
        open.push_back(next(TVGN_NEXT, item));
        open.push_back(next(TVGN_CHILD, item));
      }
      return HTREEITEM{};
    };
    const std::wstring startName(100, L'b'), deepName(100, L'c');
    HTREEITEM start = nullptr;
    if (vxtest::WaitUntil([&] { return ::IsWindowVisible(dialog.Handle()) != FALSE; })) {
      vxtest::PointerClick(dialog.cmdlogpath.Handle());
      vxtest::WaitUntil([&] {
        for (HWND w : vxtest::FindTopWindows({"#32770", std::nullopt, ::GetCurrentProcessId()}))
          if (::GetWindow(w, GW_OWNER) == dialog.Handle()) chooser = w;
        tree = chooser ? ::FindWindowExW(chooser, nullptr, WC_TREEVIEWW, nullptr) : nullptr;
        return tree && (start = find(startName)) != nullptr;
      });
    }
    // It opens at the folder in the box: scrolled to, clicked, opened with a key, and
    // another key to go to its one folder.
    if (start) {
      ::SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(start));
      RECT r{};
      std::memcpy(&r, &start, sizeof start);  // the item asked about goes in the rectangle
      ::SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
      ::MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&r), 2);
      RECT shown{};  // the long name runs past the tree's edge
      ::GetWindowRect(tree, &shown);
      ::IntersectRect(&r, &r, &shown);
      vxtest::PointerAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, true);
      vxtest::WaitUntil(
          [&] { return vxtest::HasFocus(tree) && next(TVGN_CARET, nullptr) == start; });
      vxtest::TypeKeys({VK_RIGHT});
      vxtest::WaitUntil([&] { return next(TVGN_CHILD, start) != nullptr; });
      vxtest::TypeKeys({VK_RIGHT});
      vxtest::WaitUntil([&] { return name(next(TVGN_CARET, nullptr)) == deepName; });
      vxtest::TypeKeys({VK_RETURN});
      vxtest::WaitUntil([&] { return !::IsWindow(chooser); });
      chosen = vxtest::WindowText(dialog.txtlogpath.Handle());
    }
    if (::IsWindow(chooser)) {  // a walk that went astray: the chooser must not stay open
      ::PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
      vxtest::WaitUntil([&] { return !::IsWindow(chooser); });
    }
    Click(dialog.cmdcancel.Handle());
  });
  EXPECT_EQ(dialog.Open(), IDCANCEL);
  user.join();
  EXPECT_EQ(chosen, std::string(deep.begin(), deep.end()));
}

}  // namespace
}  // namespace vx::editor
