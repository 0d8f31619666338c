// Names the ANSI code page cannot hold, of the script and of the player's own folder: the
// best-fit conversion would make each the name of a look-alike beside it ("Lodz.vxz" for
// "Łodz.vxz"), which would then be run, or whose template would be read.
#include <filesystem>
#include <fstream>

#include "PlayerE2EFixture.h"

namespace vxtest {
namespace {

using namespace vx;

constexpr const char* Outside =
    "Its name has characters outside the system's ANSI code page (shown as \"?\"), which this "
    "program cannot use.";

Program StartOn(const std::filesystem::path& program, const std::filesystem::path& script) {
  return StartCommand(L"\"" + program.wstring() + L"\" \"" + script.wstring() + L"\"");
}

bool AnyLogIn(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".htm") return true;
  return false;
}

TEST_F(PlayerE2E, AScriptNameOutsideTheCodePageIsRefusedBeforeAnythingRuns) {
  // The look-alike leaves a trace when it runs.
  const std::string trace = folder_.File("trace.txt");
  Script("Lodz.vxz",
         {Step(ckSetVariable, "v", "look-alike"), Step(ckWriteToFile, trace, "v", "o")});
  const std::filesystem::path script = folder_.Path() / L"\u0141odz.vxz";
  std::ofstream(script, std::ios::binary) << EncodeScript(std::vector{Step(ckWait, "1")}, 0, -1);
  const std::string refused = "Cannot open file \"" + folder_.File("?odz.vxz") + "\". " + Outside;

  // Without the window: the last-chance report and exit code 1.
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = LogFolder()});
  {
    Program player = StartOn(VexecPath(), script);
    const std::string text = ExpectBox(player, "Application Error");
    EXPECT_NE(text.find("EFOpenError"), std::string::npos) << text;
    EXPECT_NE(text.find(refused), std::string::npos) << text;
    EXPECT_EQ(player.Wait(15000), 1u);
  }
  // With the window: its own error report, and the window waits to be closed.
  SetPlayerSettings({.show = true, .extended = true, .log = true, .logPath = LogFolder()});
  {
    Program player = StartOn(VexecPath(), script);
    EXPECT_EQ(ExpectBox(player, "Vorlix Parser"), refused);
    const HWND info = InfoWindow(player, 5000);
    ASSERT_TRUE(info);
    ::PostMessageW(info, WM_CLOSE, 0, 0);
    EXPECT_TRUE(player.Wait(15000).has_value());
  }
  EXPECT_FALSE(std::filesystem::exists(trace));
  EXPECT_FALSE(AnyLogIn(folder_.Path())) << "a run log was begun";
}

TEST_F(PlayerE2E, APlayerInAFolderOutsideTheCodePageReadsNoLookAlikeTemplate) {
  const std::filesystem::path home = folder_.Path() / L"\u0158ecko \u03a9mega";
  const std::filesystem::path lookAlike = folder_.Path() / "Recko Omega";
  std::filesystem::create_directories(home);
  std::filesystem::create_directories(lookAlike);
  const std::filesystem::path built = VexecPath();
  std::filesystem::copy_file(built, home / "vexec.exe");
  std::filesystem::copy_file(built.parent_path() / "logbase.htm", home / "logbase.htm");
  std::ofstream(lookAlike / "logbase.htm") << "<html>look-alike<!--content--></html>\n";
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = LogFolder()});
  const std::string script = Script("s.vxz", {Step(ckSetVariable, "a", "1")});

  Program player = StartOn(home / "vexec.exe", script);
  const std::string text = ExpectBox(player, "Application Error");
  EXPECT_NE(text.find("Cannot open file \"" + folder_.File("?ecko ?mega\\logbase.htm") + "\". " +
                      Outside),
            std::string::npos)
      << text;
  EXPECT_EQ(player.Wait(15000), 1u);
  EXPECT_FALSE(ReadFileText(LogOf(script)));
}

// A log folder another program stored that the code page cannot hold ("Łogs" beside
// "Logs") is refused before anything runs: the look-alike's log of the same script, an
// earlier run's, stays as it was, and no step runs.
TEST_F(PlayerE2E, ALogFolderOutsideTheCodePageIsRefusedBeforeAnythingRuns) {
  const std::filesystem::path logs = folder_.Path() / L"\u0141ogs";
  const std::filesystem::path lookAlike = folder_.Path() / "Logs";
  std::filesystem::create_directories(logs);
  std::filesystem::create_directories(lookAlike);
  const std::string trace = folder_.File("trace.txt");
  const std::string script =
      Script("s.vxz", {Step(ckSetVariable, "v", "ran"), Step(ckWriteToFile, trace, "v", "o")});
  const std::string earlier = (lookAlike / "s.vxz.htm").string();
  std::ofstream(earlier) << "an earlier run's log";
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = ""});
  const std::wstring folder = logs.wstring();
  ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorlix", L"vpLogPath", REG_SZ, folder.c_str(),
                    static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));

  Program player = StartOn(VexecPath(), script);
  const std::string text = ExpectBox(player, "Application Error");
  EXPECT_NE(text.find("Cannot create file \"" + folder_.File("?ogs\\s.vxz.htm") + "\". " + Outside),
            std::string::npos)
      << text;
  EXPECT_EQ(player.Wait(15000), 1u);
  EXPECT_EQ(ReadFileText(earlier), "an earlier run's log");
  EXPECT_FALSE(std::filesystem::exists(trace));
  EXPECT_TRUE(std::filesystem::is_empty(logs));
}

}  // namespace
}  // namespace vxtest
