#include <gtest/gtest.h>

#include <vector>

#include "DialogSteps.h"
#include "core/StepKinds.h"
#include "core/editor/dialogs/FileOpDialog.h"

namespace vxtest {
namespace {

using vx::TCommand;
using vx::editor::ApplyFileOpStep;
using vx::editor::EmptyFileOpBoxes;
using vx::editor::FileOpPage;
using vx::editor::FileOpShown;
using vx::editor::FileOpValues;
using vx::editor::FileOpViewOf;
using vx::editor::ShowFileOpStep;
using Names = std::vector<std::string>;

// Shows step, lets edit change the controls, applies with the kind the view ends on onto
// the working step (the edited step itself) and returns the stored step; a refused Apply
// fails the test.
template <typename Edit>
TCommand ShowEditApply(const TCommand& step, const Names& declared, Edit edit,
                       FileOpValues previous = {}) {
  FileOpShown shown = ShowFileOpStep(step, declared, std::move(previous));
  edit(shown);
  TCommand working = step;
  const auto refusal = ApplyFileOpStep(shown.view.kind, shown.values, working);
  EXPECT_FALSE(refusal) << refusal->text;
  return working;
}

// Shows step and applies it unchanged onto a blank of it: each field comes from a control.
TCommand ShowApply(const TCommand& step, const Names& declared = {}) {
  const FileOpShown shown = ShowFileOpStep(step, declared, {});
  TCommand working = Blank(step);
  const auto refusal = ApplyFileOpStep(shown.view.kind, shown.values, working);
  EXPECT_FALSE(refusal) << refusal->text;
  return working;
}

TEST(FileOpDialog, EveryPageShowsItsStepAndStoresItBack) {
  const std::string criteria = Criteria("report", "C:\\data", "txt,doc", "1", "2048");
  const struct {
    TCommand step;
    FileOpPage page;
  } cases[] = {
      {Step(vx::ckWriteToFile, "C:\\out.txt", "total", "o", "a comment", 0), FileOpPage::Write},
      {Step(vx::ckWriteToFile, "C:\\out.txt", "total", "a"), FileOpPage::Write},
      {Step(vx::ckReadFromFile, "C:\\in.txt", "total", "", "read it"), FileOpPage::Read},
      {Step(vx::ckCopyObject, criteria, "D:\\backup"), FileOpPage::Copy},
      {Step(vx::ckMoveObject, criteria, "D:\\archive"), FileOpPage::Move},
      {Step(vx::ckRenameObject, criteria, "new.txt"), FileOpPage::Rename},
      {Step(vx::ckRunObject, criteria, "w", "-a -b"), FileOpPage::Run},
      {Step(vx::ckRunObject, criteria, "", ""), FileOpPage::Run},
      {Step(vx::ckDeleteObject, criteria, "p"), FileOpPage::Delete},
      {Step(vx::ckDeleteObject, criteria, "r", "", "", 0), FileOpPage::Delete},
  };
  for (const auto& c : cases) {
    const auto view = ShowFileOpStep(c.step, {}, {}).view;
    EXPECT_EQ(view.page, c.page);
    EXPECT_EQ(view.kind, c.step.kind);
    EXPECT_EQ(view.title, vx::StepKindName(c.step.kind));
    EXPECT_EQ(ShowApply(c.step, {"other", "total"}), c.step) << view.title;
  }
}

TEST(FileOpDialog, RadioChoicesReadOnlyTheExactLowerCaseLetters) {
  // A new Write To File step appends although the form starts on "Overwrite".
  FileOpValues created;
  ASSERT_TRUE(created.writeOverwrite);
  const auto write = ShowEditApply(NewStep(vx::ckWriteToFile), {"v"},
                                   [](FileOpShown& s) { s.values.writeVariable.selected = 0; });
  EXPECT_EQ(write.p3, "a");
  EXPECT_EQ(ShowApply(Step(vx::ckWriteToFile, "f", "v", "O"), {"v"}).p3, "a");

  // A capital W does not wait; a Run step stores an empty p2 for no waiting.
  const auto run = ShowFileOpStep(Step(vx::ckRunObject, "", "W"), {}, {});
  EXPECT_FALSE(run.values.runWait);
  EXPECT_EQ(ShowApply(Step(vx::ckRunObject, "", "W")).p2, "");

  // Delete: anything but "p" opens on the recycle bin and stores "r".
  EXPECT_EQ(ShowApply(NewStep(vx::ckDeleteObject)).p2, "r");
  EXPECT_EQ(ShowApply(Step(vx::ckDeleteObject, "", "P")).p2, "r");
}

TEST(FileOpDialog, ApplyRefusesAFileStepWithoutAVariable) {
  const std::string text =
      "Please choose a variable to write to.\r\n"
      "You must declare a variable first if the variable list is empty.";
  TCommand working = Step(vx::ckCopyObject, "old", "old", "old", "note", 0);
  const TCommand before = working;

  // Nothing declared: the box is empty.
  auto shown = ShowFileOpStep(NewStep(vx::ckWriteToFile), {}, {});
  EXPECT_TRUE(shown.values.writeVariable.entries.empty());
  auto refusal = ApplyFileOpStep(vx::ckWriteToFile, shown.values, working);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->caption, "Write To Variable");
  EXPECT_EQ(refusal->text, text);
  EXPECT_EQ(working, before) << "a refused Apply stores nothing";

  // The step's variable is no longer offered: nothing is chosen until the user picks one.
  shown = ShowFileOpStep(Step(vx::ckReadFromFile, "f", "gone"), {"here"}, {});
  EXPECT_FALSE(shown.values.readVariable.selected);
  refusal = ApplyFileOpStep(vx::ckReadFromFile, shown.values, working);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->caption, "Read From Variable");
  EXPECT_EQ(refusal->text, text);
  shown.values.readVariable.selected = 0;
  EXPECT_FALSE(ApplyFileOpStep(vx::ckReadFromFile, shown.values, working));
  EXPECT_EQ(working, Step(vx::ckReadFromFile, "f", "here", "old", "note", 0));

  // An entry with an empty name shows nothing either.
  shown = ShowFileOpStep(NewStep(vx::ckWriteToFile), {""}, {});
  shown.values.writeVariable.selected = 0;
  EXPECT_TRUE(ApplyFileOpStep(vx::ckWriteToFile, shown.values, working));
}

TEST(FileOpDialog, AVariableSpeltInOtherCaseIsStoredAsOffered) {
  EXPECT_EQ(ShowApply(Step(vx::ckWriteToFile, "f", "TOTAL", "o"), {"Total"}).p2, "Total");
  EXPECT_EQ(ShowApply(Step(vx::ckReadFromFile, "f", "total"), {"Total", "total"}).p2, "total");
}

TEST(FileOpDialog, SwitchingPagesWritesTheNewPagesFieldsAndKeepsTheRest) {
  // Editing a Run step, switching to Copy and applying: the copy page's (empty) criteria,
  // and the run parameters, comment and enabled byte stay.
  const TCommand run = Step(vx::ckRunObject, Criteria("a", "C:\\x"), "w", "-q", "note", 0);
  const TCommand copy = ShowEditApply(run, {}, [](FileOpShown& s) {
    s.view = FileOpViewOf(vx::ckCopyObject);
    s.values.copyDestination = "D:\\to";
  });
  EXPECT_EQ(copy, Step(vx::ckCopyObject, "", "D:\\to", "-q", "note", 0));

  // Write to Read keeps the overwrite flag in p3 and takes the read page's variable box,
  // refilled at show even though the step was a Write.
  const TCommand write = Step(vx::ckWriteToFile, "C:\\w", "v", "o");
  const TCommand read = ShowEditApply(write, {"v", "w"}, [](FileOpShown& s) {
    s.view = FileOpViewOf(vx::ckReadFromFile);
    s.values.readFile = "C:\\r";
    s.values.readVariable.selected = 1;
  });
  EXPECT_EQ(read, Step(vx::ckReadFromFile, "C:\\r", "w", "o"));
}

TEST(FileOpDialog, ShowKeepsOtherPagesAndRefillsBothVariableBoxes) {
  FileOpValues previous;
  previous.copyCriteria = Criteria("x", "C:\\");
  previous.copyDestination = "D:\\";
  previous.writeVariable = {{"stale"}, 0};
  previous.readVariable = {{"stale"}, 0};
  const auto shown = ShowFileOpStep(Step(vx::ckMoveObject, "m", "M:\\"), {"a", "b"}, previous);
  EXPECT_EQ(shown.values.copyCriteria, previous.copyCriteria);
  EXPECT_EQ(shown.values.copyDestination, "D:\\");
  EXPECT_EQ(shown.values.moveCriteria, "m");
  // A page switched to never offers the names of an earlier script.
  for (const auto* box : {&shown.values.writeVariable, &shown.values.readVariable}) {
    EXPECT_EQ(box->entries, (Names{"a", "b"}));
    EXPECT_FALSE(box->selected);
  }
}

TEST(FileOpDialog, ClosingEmptiesEveryBoxAndCriteriaAndKeepsTheChoices) {
  const std::string criteria = Criteria("x", "C:\\");
  FileOpValues full;
  full.deleteCriteria = full.runCriteria = full.renameCriteria = full.copyCriteria =
      full.moveCriteria = criteria;
  full.runParameters = full.renameNewName = full.copyDestination = full.moveDestination =
      full.writeFile = full.readFile = "typed";
  full.deletePermanently = true;
  full.runWait = true;
  full.writeOverwrite = false;
  full.writeVariable = full.readVariable = {{"v"}, 0};

  FileOpValues expected;
  expected.deletePermanently = true;
  expected.runWait = true;
  expected.writeOverwrite = false;
  expected.writeVariable = expected.readVariable = {{"v"}, 0};  // refilled at every show
  EXPECT_EQ(EmptyFileOpBoxes(full), expected);

  // So a step switched to a page never takes an earlier step's criteria.
  const TCommand deleted = ShowEditApply(
      NewStep(vx::ckCopyObject), {},
      [](FileOpShown& s) { s.view = FileOpViewOf(vx::ckDeleteObject); }, EmptyFileOpBoxes(full));
  EXPECT_EQ(deleted, Step(vx::ckDeleteObject, "", "p"));
}

}  // namespace
}  // namespace vxtest
