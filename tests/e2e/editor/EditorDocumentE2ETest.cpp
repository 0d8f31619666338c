// The document commands as the user meets them: Save and Save As writing the bytes the core
// writes, the save questions, the recent files, a damaged file that costs nothing, and a
// script deeper than 260 characters.
#include "EditorE2EFixture.h"

namespace vxtest {
namespace {

using vx::editor::acNew;
using vx::editor::acSave;
using vx::editor::acSaveAs;
using vx::editor::mRecentFirst;

const std::vector<vx::TCommand> Steps = {Step(vx::ckWait, "5"),
                                         Step(vx::ckSetClipboard, "text", {}, {}, false)};

TEST_F(EditorE2E, SaveAndSaveAsWriteTheScript) {
  const std::string path = WriteScriptFile("old.vxz", Steps);
  const std::string expected = ReadAll(path);
  ASSERT_TRUE(Start({path}));
  WriteAll(path, "overwritten elsewhere");
  Run(acSave);
  EXPECT_EQ(ReadAll(path), expected);
  EXPECT_EQ(Caption(), "old.vxz - Vorlix");

  // Save As strips ".vxz" from the chosen name and names the document without it.
  Post(acSaveAs);
  ASSERT_TRUE(AnswerFileDialog("Save As", folder_.File("report.vxz.bak")));
  ASSERT_TRUE(WaitUntil([&] { return Caption() == "report.bak - Vorlix"; }));
  EXPECT_EQ(ReadAll(folder_.File("report.bak.vxz")), expected);
  // Save goes on writing to the new name.
  std::filesystem::remove(folder_.File("report.bak.vxz"));
  Run(acSave);
  EXPECT_EQ(ReadAll(folder_.File("report.bak.vxz")), expected);
  EXPECT_TRUE(CloseAnswering(IDNO));
  EXPECT_EQ(lastQuestion_, "Save the changes to this document: report.bak ?");
}

// Past 260 characters the ANSI file calls and the C runtime's stat fail: a script there
// must open with its steps (never as an empty document that a save would write over it),
// save where it is, and run in the player.
TEST_F(EditorE2E, AScriptOnALongPathOpensSavesAndRuns) {
  const std::filesystem::path deep = folder_.Path() / std::string(120, 'd') / std::string(120, 'e');
  std::filesystem::create_directories(deep);
  const std::string path = (deep / "long.vxz").string();
  // Deepest first: removing a whole tree does not reach that deep under Wine.
  const struct Tidy {
    std::filesystem::path deep;
    ~Tidy() {
      std::error_code ignored;
      for (const auto& made : {deep / "long.vxz", deep, deep.parent_path()})
        std::filesystem::remove(made, ignored);
    }
  } tidy{deep};
  ASSERT_GT(path.size(), 260u);
  const std::string ran = folder_.File("ran.txt");
  const std::vector<vx::TCommand> steps = {Step(vx::ckSetVariable, "v", "ran"),
                                           Step(vx::ckWriteToFile, ran, "v", "o")};
  const std::string bytes = vx::EncodeScript(steps, 0, -1);
  WriteAll(path, bytes);

  ASSERT_TRUE(Start({path}));
  EXPECT_EQ(Caption(), "long.vxz - Vorlix");
  EXPECT_EQ(Items(), (std::vector<std::string>{"Set Variable", "Write To File"}));
  WriteAll(path, "overwritten elsewhere");
  Run(acSave);
  EXPECT_EQ(ReadAll(path), bytes);
  EXPECT_TRUE(CloseAnswering(IDNO));

  SetPlayerSettings({});
  const RunResult run = RunVexec({path});
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(ReadAll(ran), "ran");
}

TEST_F(EditorE2E, TheSaveQuestionsAskAndObeyTheAnswer) {
  const std::string path = WriteScriptFile("b.vxz", Steps);
  ASSERT_TRUE(Start({path}));
  // New: Cancel keeps the document, No empties it.
  Post(acNew);
  EXPECT_EQ(Answer(IDCANCEL), "Save changes to this document: b.vxz ?");
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Caption(), "b.vxz - Vorlix");
  EXPECT_EQ(ItemCount(), 2);
  Post(acNew);
  Answer(IDNO);
  ASSERT_TRUE(WaitUntil([&] { return Caption() == "Untitled - Vorlix"; }));
  EXPECT_EQ(ItemCount(), 0);

  // Closing an untitled document: Yes with the save dialog cancelled keeps the window
  // open; Yes with a name saves and closes.
  ::PostMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(Answer(IDYES), "Save the changes to this document: Untitled ?");
  ASSERT_TRUE(AnswerFileDialog("Save As", std::nullopt));
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(::IsWindowVisible(window_));
  ::PostMessageW(window_, WM_CLOSE, 0, 0);
  Answer(IDYES);
  ASSERT_TRUE(AnswerFileDialog("Save As", folder_.File("empty")));
  EXPECT_TRUE(Ended());
  EXPECT_EQ(ReadAll(folder_.File("empty.vxz")), vx::EncodeScript({}, 0, -1));
}

TEST_F(EditorE2E, RecentFilesOpenTheirOwnFileAndADamagedFileCostsNothing) {
  const std::string a = WriteScriptFile("a.vxz", {Step(vx::ckWait, "1")});
  const std::string b = WriteScriptFile("b.vxz", Steps);
  ASSERT_TRUE(Start({a}));
  EXPECT_TRUE(CloseAnswering(IDNO));
  ASSERT_TRUE(Start({b}));
  EXPECT_EQ(RegistryBytes("recent1"), b);
  EXPECT_EQ(RegistryBytes("recent2"), a);

  // The second entry opens a.vxz (after the question).
  Post(static_cast<vx::editor::MainCommand>(mRecentFirst + 1));
  Answer(IDNO);
  ASSERT_TRUE(WaitUntil([&] { return Caption() == "a.vxz - Vorlix"; }));
  EXPECT_EQ(Items(), std::vector<std::string>{"Wait"});
  EXPECT_EQ(RegistryBytes("recent1"), a);
  EXPECT_EQ(RegistryBytes("recent2"), b);

  // b.vxz cut short: an error naming the file, and the open document stays as it was.
  const std::string bytes = ReadAll(b);
  WriteAll(b, bytes.substr(0, bytes.size() - 3));
  Post(static_cast<vx::editor::MainCommand>(mRecentFirst + 1));
  Answer(IDNO);
  const std::string error = BoxText("Vorlix");
  EXPECT_NE(error.find(b), std::string::npos) << error;
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Caption(), "a.vxz - Vorlix");
  EXPECT_EQ(Items(), std::vector<std::string>{"Wait"});
  EXPECT_EQ(RegistryBytes("recent1"), a);
  EXPECT_TRUE(CloseAnswering(IDNO));
  EXPECT_EQ(lastQuestion_, "Save the changes to this document: a.vxz ?");
}

TEST_F(EditorE2E, ARecentFilesValueOfAnotherTypeIsReportedAndTheFileStillOpens) {
  const std::string path = WriteScriptFile("b.vxz", Steps);
  const DWORD number = 7;
  SetVorlixValue("recent1", REG_DWORD, &number, sizeof number);
  std::vector<AnsweredBox> boxes;
  {
    const MessageBoxAnswerer answerer({.caption = "Error"}, IDOK);
    ASSERT_TRUE(Start({path}));
    EXPECT_TRUE(WaitUntil([&] { return Caption() == "b.vxz - Vorlix"; }));
    boxes = answerer.Answered();
  }
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.front().text, "Invalid data type for 'recent1'");
  EXPECT_EQ(Items(), (std::vector<std::string>{"Wait", "Set Clipboard"}));
  EXPECT_TRUE(CloseAnswering(IDNO));
}

}  // namespace
}  // namespace vxtest
