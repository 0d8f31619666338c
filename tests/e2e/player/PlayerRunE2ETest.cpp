// The player without a window: runs, logs, and the last-chance error report.
#include <filesystem>

#include "PlayerE2EFixture.h"

namespace vxtest {
namespace {

using namespace vx;

constexpr const char* LastChance = "Application Error";

TEST_F(PlayerE2E, WindowlessRunLogsOneRowPerEnabledStepAndEscapesValues) {
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = LogFolder()});
  const std::string script = Script(
      "two words.vxz", {Step(ckSetVariable, "a", "<b>&"), Step(ckSetVariable, "b", "2", "", false),
                        Step(ckSetVariable, "%filename%", "3")});
  const RunResult run = RunVexec({script});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0u);

  const auto page = ReadFileText(LogOf(script));
  ASSERT_TRUE(page) << "no log at " << LogOf(script);
  EXPECT_EQ(CountOf(*page, "class=\"CellStepMain\""), 2);
  EXPECT_NE(page->find("Step 1 : Set Variable "), std::string::npos);
  EXPECT_NE(page->find("Step 2 : Set Variable "), std::string::npos);
  EXPECT_EQ(page->find("Step 3 :"), std::string::npos);
  EXPECT_EQ(page->find("<b>&"), std::string::npos);
  // The template's own placeholders are filled; the page keeps its CR LF lines.
  EXPECT_NE(page->find(WindowsPath(script)), std::string::npos);
  EXPECT_EQ(page->find("<!--content-->"), std::string::npos);
  EXPECT_NE(page->find("</html>\r\n"), std::string::npos);
}

TEST_F(PlayerE2E, LogOffWritesNoFileAndMissingSettingsReadAsOff) {
  SetPlayerSettings({.show = false, .extended = false, .log = false, .logPath = LogFolder()});
  const std::string script = Script("off.vxz", {Step(ckSetVariable, "a", "1")});
  EXPECT_EQ(RunVexec({script}).exitCode, 0u);
  EXPECT_FALSE(ReadFileText(LogOf(script)));

  ClearVorlixSettings();  // no key at all: windowless, no log
  const RunResult run = RunVexec({script});
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_FALSE(ReadFileText(LogOf(script)));
}

TEST_F(PlayerE2E, MissingScriptIsReportedAndTheEmptyLogStillWritten) {
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = LogFolder()});
  const std::string script = folder_.File("absent.vxz");
  Program player = StartVexec({script});
  const std::string text = ExpectBox(player, LastChance);
  EXPECT_NE(text.find("EInOutError"), std::string::npos) << text;
  EXPECT_NE(text.find("vexec.exe"), std::string::npos) << text;
  EXPECT_NE(text.find("File not found"), std::string::npos) << text;
  EXPECT_EQ(player.Wait(15000), 1u);
  const auto page = ReadFileText(LogOf(script));
  ASSERT_TRUE(page);
  EXPECT_EQ(CountOf(*page, "CellStepMain\" scope"), 0);
}

TEST_F(PlayerE2E, ShortFileRunsItsCompleteStepsThenReportsReadBeyondEnd) {
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = LogFolder()});
  const std::string script =
      Script("cut.vxz", {Step(ckSetVariable, "a", "1"), Step(ckSetVariable, "b", "2"),
                         Step(ckSetVariable, "c", "3")});
  std::string bytes = *ReadFileText(script);
  std::filesystem::resize_file(script, bytes.size() - 4);
  Program player = StartVexec({script});
  const std::string text = ExpectBox(player, LastChance);
  EXPECT_NE(text.find("Read beyond end of file"), std::string::npos) << text;
  EXPECT_EQ(player.Wait(15000), 1u);
  const auto page = ReadFileText(LogOf(script));
  ASSERT_TRUE(page);
  EXPECT_EQ(CountOf(*page, "CellStepMain\" scope"), 2);
}

TEST_F(PlayerE2E, NoParameterShowsTheMessageAndEndsWithoutLog) {
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = LogFolder()});
  Program player = StartVexec({});
  EXPECT_EQ(ExpectBox(player, "Vorlix"), "No paramters passed, Vorlix Parser will close.");
  EXPECT_EQ(player.Wait(15000), 0u);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(PlayerE2E, SettingsOfTheWrongTypeEndTheStartWithTheirMessages) {
  const std::string script = Script("s.vxz", {Step(ckSetVariable, "a", "1")});
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = LogFolder()});
  SetVorlixText("vpShow", "1");
  {
    Program player = StartVexec({script});
    const std::string text = ExpectBox(player, LastChance);
    EXPECT_NE(text.find("Invalid data type for 'vpShow'"), std::string::npos) << text;
    EXPECT_NE(text.find("ERegistryException"), std::string::npos) << text;
    EXPECT_EQ(player.Wait(15000), 1u);
  }
  SetVorlixFlag("vpShow", 0);
  SetVorlixText("vpLog", "1");
  {
    Program player = StartVexec({script});
    EXPECT_NE(ExpectBox(player, LastChance).find("Invalid data type for 'vpLog'"),
              std::string::npos);
    EXPECT_EQ(player.Wait(15000), 1u);
  }
  EXPECT_FALSE(ReadFileText(LogOf(script)));
}

TEST_F(PlayerE2E, MissingTemplateStopsTheRunWithTheFileOpenError) {
  // A copy of the player without its template beside it.
  const std::string copy = folder_.File("vexec.exe");
  ASSERT_TRUE(::CopyFileA(VexecPath().c_str(), copy.c_str(), FALSE));
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = LogFolder()});
  const std::string script = Script("t.vxz", {Step(ckSetVariable, "a", "1")});
  Program player = StartProgram(copy, {script});
  const std::string text = ExpectBox(player, LastChance);
  EXPECT_NE(text.find("Cannot open file \"" + folder_.File("logbase.htm") + "\"."),
            std::string::npos)
      << text;
  EXPECT_EQ(player.Wait(15000), 1u);
  EXPECT_FALSE(ReadFileText(LogOf(script)));
}

TEST_F(PlayerE2E, LogThatCannotBeSavedIsReportedAtTheEnd) {
  const std::string missing = folder_.File("no such folder");
  SetPlayerSettings({.show = false, .extended = false, .log = true, .logPath = missing});
  const std::string script = Script("ok.vxz", {Step(ckSetVariable, "a", "1")});
  Program player = StartVexec({script});
  const std::string text = ExpectBox(player, LastChance);
  EXPECT_NE(text.find("EFCreateError"), std::string::npos) << text;
  EXPECT_NE(text.find("Cannot create file \"" + LogFileFor(missing, script) + "\"."),
            std::string::npos)
      << text;
  EXPECT_EQ(player.Wait(15000), 1u);
}

}  // namespace
}  // namespace vxtest
