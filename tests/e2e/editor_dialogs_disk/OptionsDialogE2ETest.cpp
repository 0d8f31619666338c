#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

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

// A log folder the ANSI code page cannot hold ("Łogs", whose look-alike "Logs" the player
// would log into), stored by another program, shows whole and is refused at Apply; chosen in
// the folder chooser, it is refused as a folder that cannot be opened. The setting stays.
TEST_F(OptionsDialogE2E, AFolderOutsideTheCodePageIsShownWholeAndRefused) {
  using namespace vxtest::user;
  const std::filesystem::path parent = folder.Path() / "vxparent";
  const std::wstring logs = (parent / L"\u0141ogs").wstring();
  std::filesystem::create_directories(logs);
  vxtest::SetPlayerSettings({.log = true, .logPath = ""});
  const auto storedPath = [] {
    wchar_t text[MAX_PATH] = {};
    DWORD size = sizeof text;
    ::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vorlix", L"vpLogPath", RRF_RT_REG_SZ, nullptr,
                   text, &size);
    return std::wstring(text);
  };
  ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorlix", L"vpLogPath", REG_SZ, logs.c_str(),
                    static_cast<DWORD>((logs.size() + 1) * sizeof(wchar_t)));
  auto applied = std::make_shared<vxtest::AnsweredBox>();
  auto chosen = std::make_shared<vxtest::AnsweredBox>();
  vxtest::UserSteps steps{vxtest::WaitFor("the stored folder, shown whole", [&] {
    return vxtest::WideWindowText(dialog.txtlogpath.Handle()) == logs;
  })};
  steps += StepsOf(dialog, {PressRefused("Apply", applied), Type({"Path:"}, parent.string()),
                            BrowseInto({"Path:"}, L"vxparent", L"\u0141ogs")});
  steps += AnswerBox(dialog, "the chosen folder", chosen);
  steps += Press(dialog, "Cancel");
  vxtest::AsUser(steps);
  EXPECT_EQ(dialog.Open(), IDCANCEL);
  vxtest::FinishAsUser();
  const std::string shown = (parent / "?ogs").string();
  EXPECT_NE(applied->text.find("\"Path:\""), std::string::npos) << applied->text;
  EXPECT_NE(applied->text.find("\r\n" + shown + "\r\n"), std::string::npos) << applied->text;
  EXPECT_EQ(chosen->text, "Cannot open folder \"" + shown +
                              "\". Its name has characters outside the system's ANSI code page "
                              "(shown as \"?\"), which this program cannot use.");
  EXPECT_EQ(vxtest::WindowText(dialog.txtlogpath.Handle()), parent.string());
  EXPECT_EQ(storedPath(), logs);
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

  using namespace vxtest::user;
  // It opens at the folder in the box.
  vxtest::UserSteps steps =
      StepsOf(dialog, {BrowseInto({"Path:"}, std::wstring(100, L'b'), std::wstring(100, L'c'))});
  std::wstring chosen;
  steps.push_back(vxtest::WaitFor("the chooser to go", [&] {
    chosen = vxtest::WideWindowText(dialog.txtlogpath.Handle());
    return !ChooserOf(dialog);
  }));
  steps += Press(dialog, "Cancel");
  vxtest::AsUser(steps);
  EXPECT_EQ(dialog.Open(), IDCANCEL);
  vxtest::FinishAsUser();
  EXPECT_EQ(chosen, deep);
}

}  // namespace
}  // namespace vx::editor
