// The document commands as the user meets them: Save and Save As writing the bytes the core
// writes and never replacing a file unasked, the save questions (also at the end of the
// Windows session), the recent files, a damaged file that costs nothing, a script deeper
// than 260 characters, and a name the ANSI code page cannot hold.
#include <chrono>
#include <fstream>
#include <future>

#include "EditorE2EFixture.h"
#include "win32/system/SystemText.h"

namespace vxtest {
namespace {

using vx::editor::acNew;
using vx::editor::acSave;
using vx::editor::acSaveAs;
using vx::editor::mRecentFirst;

const std::vector<vx::TCommand> Steps = {Step(vx::ckWait, "5"),
                                         Step(vx::ckSetClipboard, "text", {}, {}, false)};

class EditorSaveE2E : public EditorE2E {
 protected:
  bool Foreground(HWND window) const {
    ::SetForegroundWindow(window);
    return WaitUntil([&] { return ::GetForegroundWindow() == window; }, 5000);
  }
  // File, then Save As, walked with the keyboard as a user walks the menu.
  HWND OpenSaveAs() const {
    PressKeys({VK_MENU});
    for (int i = 0; i < 4; ++i) PressKeys({VK_DOWN});  // opens File, then New, Open, Save...
    PressKeys({VK_RETURN});                            // ...Save As
    return WaitForWindow({"#32770", "Save As", editor_.Id()});
  }
  static HWND NameBox(HWND dialog) {
    const HWND box = ::GetDlgItem(dialog, 0x47C);  // the file-name combo box, else the edit
    return box ? box : ::GetDlgItem(dialog, 0x480);
  }
  // A click into the dialog's name box, a name typed over the one there, then Enter; false
  // when the click did not give the box the focus.
  template <typename Text>
  static bool EnterName(HWND dialog, const Text& name) {
    ClickWithPointer(NameBox(dialog));
    if (!WaitUntil([&] { return HasFocus(NameBox(dialog)); })) return false;
    PressKeys({VK_HOME});
    PressKeys({VK_SHIFT, VK_END});
    TypeText(name);
    PressKeys({VK_RETURN});
    return true;
  }
  // The system's own question over the save dialog; null if none came. (Its caption is the
  // system's: "Confirm Save As" on Windows, "Error" under Wine.)
  HWND Question(HWND dialog) const {
    HWND question = nullptr;
    WaitUntil([&] {
      for (const HWND w : FindTopWindows({"#32770", std::nullopt, editor_.Id()}))
        if (::GetWindow(w, GW_OWNER) == dialog) question = w;
      return question != nullptr;
    });
    return question;
  }
  static bool ReadOnly(const std::string& path) {
    return (::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY) != 0;
  }
};

TEST_F(EditorSaveE2E, SaveAndSaveAsNeverReplaceAFileUnasked) {
  const std::string path = WriteScriptFile("old.vxz", Steps);
  const std::string expected = ReadAll(path);
  const std::string report = WriteScriptFile("report.vxz", {Step(vx::ckWait, "9")});
  const std::string reportBytes = ReadAll(report);
  const std::string bak = WriteScriptFile("report.bak.vxz", {Step(vx::ckWait, "8")});
  ASSERT_TRUE(Start({path}));
  ASSERT_TRUE(Foreground(window_));

  // A read-only script stays as it is, attribute and all; the save fails as any refused
  // file creation does, with the system's reason.
  WriteAll(path, "kept");
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  PressKeys({VK_CONTROL, 'S'});
  EXPECT_EQ(BoxText("Vorlix"), "Cannot create file \"" + path + "\". " +
                                   vx::win32::SystemErrorText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(ReadAll(path), "kept");
  EXPECT_TRUE(ReadOnly(path));
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  PressKeys({VK_CONTROL, 'S'});
  EXPECT_TRUE(WaitUntil([&] { return ReadAll(path) == expected; }));
  EXPECT_EQ(Caption(), "old.vxz - Vorlix");

  // The name report is saved as report.vxz, which is there: the system asks, and No goes
  // back to the dialog with nothing written.
  const HWND dialog = OpenSaveAs();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(EnterName(dialog, folder_.File("report")));
  HWND question = Question(dialog);
  ASSERT_NE(question, nullptr) << "report.vxz was replaced without a question";
  ClickWithPointer(::GetDlgItem(question, IDNO));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(question); }));
  EXPECT_TRUE(::IsWindowVisible(dialog));
  EXPECT_EQ(ReadAll(report), reportBytes);

  // report.vxz.bak is saved as report.bak.vxz: the question is about that file.
  ASSERT_TRUE(EnterName(dialog, folder_.File("report.vxz.bak")));
  question = Question(dialog);
  ASSERT_NE(question, nullptr) << "report.bak.vxz was replaced without a question";
  EXPECT_EQ(WindowText(NameBox(dialog)), bak);
  ClickWithPointer(::GetDlgItem(question, IDYES));
  ASSERT_TRUE(WaitUntil([&] { return Caption() == "report.bak - Vorlix"; }));
  EXPECT_EQ(ReadAll(bak), expected);
  EXPECT_EQ(ReadAll(report), reportBytes);

  // Save on a document with a path writes there without a question.
  WriteAll(bak, "overwritten elsewhere");
  ASSERT_TRUE(Foreground(window_));
  PressKeys({VK_CONTROL, 'S'});
  EXPECT_TRUE(WaitUntil([&] { return ReadAll(bak) == expected; }));
  EXPECT_EQ(FindTopWindow({"#32770", std::nullopt, editor_.Id()}), nullptr);
  EXPECT_TRUE(CloseAnswering(IDNO));
  EXPECT_EQ(lastQuestion_, "Save the changes to this document: report.bak ?");
}

// Logging off, restarting or shutting down asks what closing asks; the system's question
// gets its answer once the user has answered.
TEST_F(EditorSaveE2E, TheEndOfTheSessionAsksTheCloseQuestion) {
  const std::string path = WriteScriptFile("b.vxz", Steps);
  const std::string expected = ReadAll(path);
  ASSERT_TRUE(Start({path}));
  const auto send = [this](UINT message, WPARAM wParam) {
    return std::async(std::launch::async, [window = window_, message, wParam] {
      DWORD_PTR answer = 0;
      if (!::SendMessageTimeoutW(window, message, wParam, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000,
                                 &answer))
        return -1;
      return static_cast<int>(answer);
    });
  };

  // While a window of the editor holds the main window (here the About box), the session
  // may not end, and nothing is asked over it: the user finishes there first.
  Post(vx::editor::acAbout);
  const HWND about = WaitForWindow({"Tfrmabout", std::nullopt, editor_.Id()});
  ASSERT_TRUE(about && WaitUntil([&] { return ::IsWindowVisible(about) != FALSE; }));
  auto query = send(WM_QUERYENDSESSION, 0);
  const bool answered = query.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  if (!answered) Answer(IDCANCEL);
  EXPECT_TRUE(answered) << "a question was asked over the About box";
  EXPECT_EQ(query.get(), FALSE);
  ASSERT_TRUE(Foreground(about));
  PressKeys({VK_ESCAPE});
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(about); }));

  // Cancel: the session may not end, and the editor stays.
  query = send(WM_QUERYENDSESSION, 0);
  EXPECT_EQ(Answer(IDCANCEL), "Save the changes to this document: b.vxz ?");
  EXPECT_EQ(query.get(), FALSE);
  ASSERT_TRUE(::IsWindowVisible(window_));

  // Yes with a save that fails: the error is shown, and the session may not end.
  WriteAll(path, "kept");
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  query = send(WM_QUERYENDSESSION, 0);
  Answer(IDYES);
  EXPECT_EQ(BoxText("Vorlix"), "Cannot create file \"" + path + "\". " +
                                   vx::win32::SystemErrorText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(query.get(), FALSE);
  EXPECT_EQ(ReadAll(path), "kept");
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  // No: the session may end; when another program then keeps it from ending, the editor
  // goes on.
  query = send(WM_QUERYENDSESSION, 0);
  Answer(IDNO);
  EXPECT_EQ(query.get(), TRUE);
  EXPECT_EQ(send(WM_ENDSESSION, FALSE).get(), 0);
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(::IsWindowVisible(window_));
  EXPECT_EQ(ReadAll(path), "kept");

  // Yes saves, and the session may end. When it does, the editor keeps its geometry, as a
  // close does, and ends without a second question.
  query = send(WM_QUERYENDSESSION, 0);
  Answer(IDYES);
  EXPECT_EQ(query.get(), TRUE);
  EXPECT_EQ(ReadAll(path), expected);
  ASSERT_EQ(RegistryInteger("Width"), std::nullopt);
  EXPECT_EQ(send(WM_ENDSESSION, TRUE).get(), 0);
  EXPECT_EQ(editor_.Wait(10000), 0u);
  for (const char* name : {"Left", "Top", "Width", "Height", "pnlleftwidth"})
    EXPECT_TRUE(RegistryInteger(name).has_value()) << name;
}

// "Łodz.vxz" lies beside its look-alike "Lodz.vxz", which the best-fit conversion to the
// ANSI code page would name instead: its steps would be shown, and saved over.
TEST_F(EditorSaveE2E, ANameOutsideTheCodePageIsRefusedAndNoLookAlikeTakesItsPlace) {
  const std::string lookAlike = WriteScriptFile("Lodz.vxz", ClipboardSteps({"look-alike"}));
  const std::string lookAlikeBytes = ReadAll(lookAlike);
  const std::filesystem::path real = folder_.Path() / L"\u0141odz.vxz";
  std::ofstream(real, std::ios::binary)
      << vx::EncodeScript(std::vector{Step(vx::ckWait, "1")}, 0, -1);
  const std::string refused =
      "Cannot open file \"" + folder_.File("?odz.vxz") +
      "\". Its name has characters outside the system's ANSI code page (shown as \"?\"), which "
      "this program cannot use.";

  // Named on the command line: refused once the window is up, over the empty Untitled
  // document, which Save writes nowhere without asking for a name.
  ASSERT_TRUE(StartOn(real.wstring()));
  EXPECT_EQ(BoxText("Vorlix"), refused);
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Caption(), "Untitled - Vorlix");
  EXPECT_EQ(ItemCount(), 0);
  EXPECT_EQ(RegistryBytes("recent1"), std::nullopt);
  Post(acSave);
  ASSERT_TRUE(AnswerFileDialog("Save As", std::nullopt));
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(CloseAnswering(IDNO));

  // Typed into the open dialog: refused, and the open document stays as it was.
  const std::string path = WriteScriptFile("b.vxz", Steps);
  const std::string bytes = ReadAll(path);
  ASSERT_TRUE(Start({path}));
  ASSERT_TRUE(Foreground(window_));
  PressKeys({VK_CONTROL, 'O'});
  Answer(IDNO);
  const HWND dialog = WaitForWindow({"#32770", "Open", editor_.Id()});
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(EnterName(dialog, real.wstring()));
  EXPECT_EQ(BoxText("Vorlix"), refused);
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Caption(), "b.vxz - Vorlix");
  EXPECT_EQ(Items(), (std::vector<std::string>{"Wait", "Set Clipboard"}));

  // Typed into Save As, where only the look-alike exists: refused as a file that cannot be
  // created, and nothing is written.
  const std::filesystem::path other = folder_.Path() / "other";
  std::filesystem::create_directories(other);
  const std::string otherLookAlike = (other / "Lodz.vxz").string();
  WriteAll(otherLookAlike, lookAlikeBytes);
  Post(acSaveAs);
  const HWND saveAs = WaitForWindow({"#32770", "Save As", editor_.Id()});
  ASSERT_NE(saveAs, nullptr);
  ASSERT_TRUE(EnterName(saveAs, (other / L"\u0141odz.vxz").wstring()));
  EXPECT_EQ(BoxText("Vorlix"), "Cannot create file \"" + (other / "?odz.vxz").string() +
                                   refused.substr(refused.find("\". ")));
  ASSERT_TRUE(Idle());
  EXPECT_EQ(Caption(), "b.vxz - Vorlix");
  EXPECT_EQ(ReadAll(otherLookAlike), lookAlikeBytes);
  EXPECT_FALSE(std::filesystem::exists(other / L"\u0141odz.vxz"));
  WriteAll(path, "overwritten elsewhere");
  ASSERT_TRUE(Foreground(window_));
  PressKeys({VK_CONTROL, 'S'});
  EXPECT_TRUE(WaitUntil([&] { return ReadAll(path) == bytes; }));
  EXPECT_EQ(ReadAll(lookAlike), lookAlikeBytes);
  EXPECT_TRUE(CloseAnswering(IDNO));
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

TEST_F(EditorE2E, RecentFilesOpenTheirOwnFileFromItsTopAndADamagedFileCostsNothing) {
  // Both longer than the list shows.
  const std::vector<std::string> waits(30, "Wait");
  const std::string a = WriteScriptFile("a.vxz", std::vector(30, Step(vx::ckWait, "1")));
  std::vector<vx::TCommand> longer = Steps;
  longer.resize(30, Step(vx::ckWait, "2"));
  const std::string b = WriteScriptFile("b.vxz", longer);
  ASSERT_TRUE(Start({a}));
  EXPECT_TRUE(CloseAnswering(IDNO));
  ASSERT_TRUE(Start({b}));
  EXPECT_EQ(RegistryBytes("recent1"), b);
  EXPECT_EQ(RegistryBytes("recent2"), a);

  // The second entry opens a.vxz (after the question), shown from its first step.
  ::SendMessageW(list_, LB_SETTOPINDEX, 20, 0);
  ASSERT_EQ(::SendMessageW(list_, LB_GETTOPINDEX, 0, 0), 20);
  Post(static_cast<vx::editor::MainCommand>(mRecentFirst + 1));
  Answer(IDNO);
  ASSERT_TRUE(WaitUntil([&] { return Caption() == "a.vxz - Vorlix"; }));
  EXPECT_EQ(Items(), waits);
  EXPECT_EQ(::SendMessageW(list_, LB_GETTOPINDEX, 0, 0), 0);
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
  EXPECT_EQ(Items(), waits);
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
