#include <gtest/gtest.h>

#include "Fakes.h"
#include "core/ScriptFile.h"
#include "core/StepKinds.h"
#include "core/editor/document/DocumentSession.h"

namespace vx::editor {
namespace {

using testing::MapStore;
using testing::MemoryFiles;
using testing::MenuView;
using testing::ScriptedUi;
using Names = std::vector<std::string>;

const std::string kEmptyScript("\xDF\x07\x01\x00\x00", 5);

std::vector<TCommand> Steps(std::initializer_list<const char*> texts) {
  std::vector<TCommand> steps;
  for (const char* text : texts) steps.push_back({ckWait, text, "", "", "", 1});
  return steps;
}

std::vector<TCommand> Decoded(const std::string& bytes) {
  std::vector<TCommand> steps;
  ReadScriptSteps(bytes, steps);
  return steps;
}

std::vector<TCommand> StepsOf(const DocumentSession& session) {
  const auto steps = session.List().Steps();
  return {steps.begin(), steps.end()};
}

void Append(DocumentSession& session, const TCommand& step) {
  session.List().Insert(session.List().Count(), std::span<const TCommand>(&step, 1));
}

class DocumentSessionTest : public ::testing::Test {
 protected:
  DocumentSessionTest() {
    recent.SetParentMenu(0);
    files.files["C:\\old.vxz"] = EncodeScript(Steps({"1", "2"}), 0, -1);
    files.files["C:\\b.vxz"] = EncodeScript(Steps({"9"}), 0, -1);
    session.StartEmpty();
  }

  // What the user sees and what would be saved; compared before and after a refused step.
  struct Snapshot {
    std::vector<TCommand> steps;
    std::string path, name, caption;
    std::vector<RecentEntry> menu;
    std::map<std::string, std::string> files;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() const {
    return {StepsOf(session), session.Path(), session.Name(),
            ui.caption,       view.entries,   files.files};
  }
  void OpenOld() {
    session.StartWith("C:\\old.vxz");
    ui.questions.clear();
  }

  MapStore store;
  MenuView view;
  MemoryFiles files;
  ScriptedUi ui;
  RecentFiles recent{store, [this](const std::string& p) { return files.FileExists(p); }, view};
  DocumentSession session{ui, files, recent};
};

TEST_F(DocumentSessionTest, CommandLineFileIsReadAndRemembered) {
  session.StartWith("C:\\b.vxz");
  EXPECT_EQ(StepsOf(session), Steps({"9"}));
  EXPECT_EQ(ui.caption, "b.vxz - Vorlix");
  EXPECT_EQ(store.Recent(1), Names{"C:\\b.vxz"});
  EXPECT_EQ(view.entries.at(0).caption, "&1 b.vxz");
  EXPECT_TRUE(ui.questions.empty());
}

TEST_F(DocumentSessionTest, MissingCommandLineFileGivesAnEmptyDocumentThatSavesThere) {
  session.StartWith("C:\\new\\plan.vxz");
  EXPECT_TRUE(session.List().Empty());
  EXPECT_EQ(ui.caption, "plan.vxz - Vorlix");
  EXPECT_TRUE(view.entries.empty());
  EXPECT_TRUE(session.Save());
  EXPECT_EQ(files.files.at("C:\\new\\plan.vxz"), kEmptyScript);
  EXPECT_TRUE(ui.saveProposals.empty());
}

TEST_F(DocumentSessionTest, NewAsksNamingTheDocumentAndCancelChangesNothing) {
  OpenOld();
  const Snapshot before = Take();
  ui.answer = Answer::Cancel;
  EXPECT_FALSE(session.New());
  EXPECT_EQ(ui.questions, Names{"Save changes to this document: old.vxz ?"});
  EXPECT_EQ(Take(), before);

  ui.answer = Answer::No;
  EXPECT_TRUE(session.New());
  EXPECT_TRUE(session.List().Empty());
  EXPECT_EQ(session.Path(), "");
  EXPECT_EQ(ui.caption, "Untitled - Vorlix");
  EXPECT_EQ(files.files, before.files);
}

TEST_F(DocumentSessionTest, YesGoesOnOnlyAfterTheSaveWasCarriedOut) {
  session.List().Assign(Steps({"a"}));
  ui.answer = Answer::Yes;
  const Snapshot before = Take();
  EXPECT_FALSE(session.New());  // untitled: Save As, whose dialog is cancelled
  EXPECT_EQ(Take(), before);

  ui.saveChoice = "C:\\kept";
  ui.openChoice = "C:\\b.vxz";
  EXPECT_TRUE(session.Open());
  EXPECT_EQ(Decoded(files.files.at("C:\\kept.vxz")), Steps({"a"}));
  EXPECT_EQ(StepsOf(session), Steps({"9"}));
  EXPECT_EQ(ui.caption, "b.vxz - Vorlix");
}

TEST_F(DocumentSessionTest, AFailedSaveAfterYesStopsAndKeepsTheDocument) {
  OpenOld();
  Append(session, {ckWait, "3", "", "", "", 1});
  files.readOnly.insert("C:\\old.vxz");
  const Snapshot before = Take();
  ui.answer = Answer::Yes;
  EXPECT_THROW(session.OpenRecent("C:\\b.vxz"), FileCreateError);
  EXPECT_EQ(Take(), before);
}

TEST_F(DocumentSessionTest, CancelledOpenDialogLeavesTheDocument) {
  OpenOld();
  const Snapshot before = Take();
  ui.answer = Answer::No;
  ui.openChoice = std::nullopt;
  EXPECT_FALSE(session.Open());
  EXPECT_EQ(Take(), before);
}

TEST_F(DocumentSessionTest, DamagedFileNamesItselfAndLeavesTheDocument) {
  OpenOld();
  std::string cut = EncodeScript(Steps({"x", "y"}), 0, -1);
  cut.resize(cut.size() - 3);
  files.files["C:\\cut.vxz"] = cut;
  const Snapshot before = Take();
  const auto recentBefore = store.values;
  ui.openChoice = "C:\\cut.vxz";
  try {
    session.Open();
    FAIL() << "a damaged file was opened";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Cannot open file \"C:\\cut.vxz\". Read beyond end of file");
  }
  EXPECT_EQ(Take(), before);
  EXPECT_EQ(store.values, recentBefore);
}

TEST_F(DocumentSessionTest, RecentFilesErrorIsReportedAndTheFileStillOpens) {
  store.failWrites = true;
  session.StartWith("C:\\b.vxz");
  EXPECT_EQ(ui.reported, Names{"Failed to set data for 'recent1'"});
  EXPECT_EQ(StepsOf(session), Steps({"9"}));
  EXPECT_EQ(session.Path(), "C:\\b.vxz");
  EXPECT_EQ(ui.caption, "b.vxz - Vorlix");
}

TEST_F(DocumentSessionTest, SaveWithAPathWritesWithoutDialogAndKeepsNameAndMenu) {
  OpenOld();
  Append(session, {ckSendKeys, "abc", "", "", "note", 0});
  const auto menu = view.entries;
  EXPECT_TRUE(session.Save());
  EXPECT_EQ(Decoded(files.files.at("C:\\old.vxz")),
            (std::vector<TCommand>{{ckWait, "1", "", "", "", 1},
                                   {ckWait, "2", "", "", "", 1},
                                   {ckSendKeys, "abc", "", "", "note", 0}}));
  EXPECT_TRUE(ui.saveProposals.empty());
  EXPECT_EQ(ui.caption, "old.vxz - Vorlix");
  EXPECT_EQ(ui.applicationTitle, "Vorlix");
  EXPECT_EQ(view.entries, menu);
}

TEST_F(DocumentSessionTest, SaveAsWritesOneExtensionAndRenamesTheDocument) {
  OpenOld();
  ui.saveChoice = "C:\\out\\report.VXZ";
  EXPECT_TRUE(session.SaveAs());
  EXPECT_EQ(ui.saveProposals, Names{"Untitled"});
  EXPECT_EQ(Decoded(files.files.at("C:\\out\\report.VXZ.vxz")), Steps({"1", "2"}));
  EXPECT_EQ(ui.caption, "report.VXZ - Vorlix");
  EXPECT_EQ(ui.applicationTitle, "report.VXZ - Vorlix");
  EXPECT_EQ(session.Path(), "C:\\out\\report.VXZ.vxz");

  ui.saveChoice = "C:\\b.vxz";
  EXPECT_TRUE(session.SaveAs());
  ui.answer = Answer::Cancel;
  session.CloseQuery();
  EXPECT_EQ(ui.questions, Names{"Save the changes to this document: b ?"});
  EXPECT_EQ(store.Recent(2), (Names{"C:\\old.vxz", ""}));  // saving adds no recent file
}

TEST_F(DocumentSessionTest, FailedOrCancelledSaveAsKeepsTheDocument) {
  OpenOld();
  const Snapshot before = Take();
  ui.saveChoice = "C:\\locked";
  files.readOnly.insert("C:\\locked.vxz");
  EXPECT_THROW(session.SaveAs(), FileCreateError);
  EXPECT_EQ(Take(), before);
  EXPECT_EQ(ui.applicationTitle, "Vorlix");

  ui.saveChoice = std::nullopt;
  EXPECT_FALSE(session.SaveAs());
  EXPECT_EQ(Take(), before);
}

TEST_F(DocumentSessionTest, CloseQuestionDecidesWhetherTheWindowCloses) {
  ui.answer = Answer::Cancel;
  EXPECT_FALSE(session.CloseQuery());
  EXPECT_EQ(ui.questions, Names{"Save the changes to this document: Untitled ?"});

  ui.answer = Answer::No;
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_EQ(files.files.size(), 2u);

  ui.answer = Answer::Yes;
  EXPECT_FALSE(session.CloseQuery());  // save dialog cancelled
  ui.saveChoice = "C:\\done.vxz";
  EXPECT_TRUE(session.CloseQuery());
  EXPECT_EQ(files.files.at("C:\\done.vxz"), kEmptyScript);

  files.readOnly.insert("C:\\done.vxz");
  EXPECT_THROW(session.CloseQuery(), FileCreateError);
}

}  // namespace
}  // namespace vx::editor
