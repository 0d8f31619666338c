#include <gtest/gtest.h>

#include <vector>

#include "DialogSteps.h"
#include "core/StepKinds.h"
#include "core/editor/dialogs/FileOpDialog.h"
#include "core/editor/dialogs/UnheldBoxes.h"

namespace vxtest {
namespace {

using vx::TCommand;
using namespace vx::editor;
using Names = std::vector<std::string>;

// The controls as the form is created.
DialogValues Fresh() {
  return InitialValues(FileOpMapping, FileOpControlCount);
}

DialogValues Shown(const TCommand& step, const Names& declared = {},
                   DialogValues values = Fresh()) {
  ShowStepValues(FileOpMapping, step, {.declared = &declared}, values);
  return values;
}

// A variable box offering items, the entry at index chosen.
ControlValue Offering(Names items, int index) {
  ControlValue box;
  box.items = std::move(items);
  box.index = index;
  return box;
}

// Apply as the dialog does it: refused, or the fields of kind written onto working.
TCommand Applied(std::uint8_t kind, const DialogValues& values, TCommand working) {
  const auto refusal = RefuseFileOpApply(kind, values);
  EXPECT_FALSE(refusal) << refusal->text;
  ApplyStepValues(FileOpMapping, kind, values, working);
  return working;
}

// Shows step and applies it unchanged onto a blank of it: each field comes from a control.
TCommand ShowApply(const TCommand& step, const Names& declared = {}) {
  return Applied(FileOpViewOf(step.kind).kind, Shown(step, declared), Blank(step));
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
    const FileOpView view = FileOpViewOf(c.step.kind);
    EXPECT_EQ(view.page, c.page);
    EXPECT_EQ(view.kind, c.step.kind);
    EXPECT_EQ(ShowApply(c.step, {"other", "total"}), c.step) << view.title;
  }
}

TEST(FileOpDialog, RadioChoicesReadOnlyTheExactLowerCaseLetters) {
  // A new Write To File step appends although the form starts on "Overwrite".
  ASSERT_EQ(Fresh()[foWriteChoice].index, writeOverwrite);
  const TCommand added = NewStep(vx::ckWriteToFile);
  DialogValues write = Shown(added, {"v"});
  write[foWriteVariable].index = 0;
  EXPECT_EQ(Applied(added.kind, write, added).p3, "a");
  EXPECT_EQ(ShowApply(Step(vx::ckWriteToFile, "f", "v", "O"), {"v"}).p3, "a");

  // A capital W does not wait; a Run step stores an empty p2 for no waiting.
  EXPECT_FALSE(Shown(Step(vx::ckRunObject, "", "W"))[foRunWait].checked);
  EXPECT_EQ(ShowApply(Step(vx::ckRunObject, "", "W")).p2, "");

  // Delete: anything but "p" opens on the recycle bin and stores "r".
  EXPECT_EQ(ShowApply(NewStep(vx::ckDeleteObject)).p2, "r");
  EXPECT_EQ(ShowApply(Step(vx::ckDeleteObject, "", "P")).p2, "r");
}

TEST(FileOpDialog, ApplyRefusesAFileStepWithoutAVariable) {
  const std::string text =
      "Please choose a variable to write to.\r\n"
      "You must declare a variable first if the variable list is empty.";

  // Nothing declared: the box is empty.
  DialogValues values = Shown(NewStep(vx::ckWriteToFile));
  EXPECT_TRUE(values[foWriteVariable].items.empty());
  auto refusal = RefuseFileOpApply(vx::ckWriteToFile, values);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->caption, "Write To Variable");
  EXPECT_EQ(refusal->text, text);

  // The step's variable is no longer offered: nothing is chosen until the user picks one.
  const TCommand working = Step(vx::ckCopyObject, "old", "old", "old", "note", 0);
  values = Shown(Step(vx::ckReadFromFile, "f", "gone"), {"here"});
  EXPECT_EQ(values[foReadVariable].index, -1);
  refusal = RefuseFileOpApply(vx::ckReadFromFile, values);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->caption, "Read From Variable");
  EXPECT_EQ(refusal->text, text);
  values[foReadVariable].index = 0;
  EXPECT_EQ(Applied(vx::ckReadFromFile, values, working),
            Step(vx::ckReadFromFile, "f", "here", "old", "note", 0));

  // An entry with an empty name shows nothing either.
  values = Shown(NewStep(vx::ckWriteToFile), {""});
  values[foWriteVariable].index = 0;
  EXPECT_TRUE(RefuseFileOpApply(vx::ckWriteToFile, values));
  // No other kind is checked.
  EXPECT_FALSE(RefuseFileOpApply(vx::ckCopyObject, Fresh()));
}

// A name box holding what the ANSI code page lacks refuses the Apply that stores it, and
// only that Apply: another page's box holds nothing the current kind stores.
TEST(FileOpDialog, ApplyRefusesOnlyAnUnheldTextItWouldStore) {
  DialogValues values = Shown(Step(vx::ckCopyObject, Criteria("a", "C:\\x"), "D:\\to"));
  values[foWriteFile].text = "C:\\?odz.txt";
  values[foWriteFile].held = false;
  for (const FileOpLink& link : FileOpLinks)
    EXPECT_EQ(UnheldControl(FileOpMapping, link.kind, values),
              link.kind == vx::ckWriteToFile ? std::optional<int>(foWriteFile) : std::nullopt)
        << link.name;
  // Shown again for its kind, the box takes the step's own text, which is held.
  values = Shown(Step(vx::ckWriteToFile, "C:\\out.txt", "v", "o"), {"v"}, values);
  EXPECT_EQ(UnheldControl(FileOpMapping, vx::ckWriteToFile, values), std::nullopt);
}

TEST(FileOpDialog, AVariableSpeltInOtherCaseIsStoredAsOffered) {
  EXPECT_EQ(ShowApply(Step(vx::ckWriteToFile, "f", "TOTAL", "o"), {"Total"}).p2, "Total");
  EXPECT_EQ(ShowApply(Step(vx::ckReadFromFile, "f", "total"), {"Total", "total"}).p2, "total");
}

TEST(FileOpDialog, SwitchingPagesWritesTheNewPagesFieldsAndKeepsTheRest) {
  // Editing a Run step, switching to Copy and applying: the copy page's (empty) criteria,
  // and the run parameters, comment and enabled byte stay.
  const TCommand run = Step(vx::ckRunObject, Criteria("a", "C:\\x"), "w", "-q", "note", 0);
  DialogValues values = Shown(run);
  values[foCopyDestination].text = "D:\\to";
  EXPECT_EQ(Applied(FileOpViewOf(vx::ckCopyObject).kind, values, run),
            Step(vx::ckCopyObject, "", "D:\\to", "-q", "note", 0));

  // Write to Read keeps the overwrite flag in p3 and takes the read page's variable box,
  // refilled at show even though the step was a Write.
  const TCommand write = Step(vx::ckWriteToFile, "C:\\w", "v", "o");
  values = Shown(write, {"v", "w"});
  values[foReadFile].text = "C:\\r";
  values[foReadVariable].index = 1;
  EXPECT_EQ(Applied(FileOpViewOf(vx::ckReadFromFile).kind, values, write),
            Step(vx::ckReadFromFile, "C:\\r", "w", "o"));
}

TEST(FileOpDialog, ShowKeepsOtherPagesAndRefillsBothVariableBoxes) {
  DialogValues previous = Fresh();
  previous[foCopyCriteria].text = Criteria("x", "C:\\");
  previous[foCopyDestination].text = "D:\\";
  previous[foWriteVariable] = previous[foReadVariable] = Offering({"stale"}, 0);
  // A variable declared with an empty name is offered, but chosen for no other kind's step.
  const DialogValues shown = Shown(Step(vx::ckMoveObject, "m", "M:\\"), {"a", ""}, previous);
  EXPECT_EQ(shown[foCopyCriteria].text, previous[foCopyCriteria].text);
  EXPECT_EQ(shown[foCopyDestination].text, "D:\\");
  EXPECT_EQ(shown[foMoveCriteria].text, "m");
  // A page switched to never offers the names of an earlier script, whatever kind was shown.
  for (const FileOpLink& link : FileOpLinks) {
    const DialogValues kindShown = Shown(Step(link.kind, "f", "v"), {"a", ""}, previous);
    for (const int box : {foWriteVariable, foReadVariable}) {
      EXPECT_EQ(kindShown[box].items, (Names{"a", ""})) << link.name;
      EXPECT_EQ(kindShown[box].index, -1) << link.name;
    }
  }
}

TEST(FileOpDialog, ClosingEmptiesEveryBoxAndCriteriaAndKeepsTheChoices) {
  const std::string criteria = Criteria("x", "C:\\");
  DialogValues full = Fresh();
  for (const int list :
       {foDeleteCriteria, foRunCriteria, foRenameCriteria, foCopyCriteria, foMoveCriteria})
    full[list].text = criteria;
  for (const int box : {foRunParameters, foRenameNewName, foCopyDestination, foMoveDestination,
                        foWriteFile, foReadFile})
    full[box].text = "typed";
  full[foDeleteChoice].index = deletePermanently;
  full[foRunWait].checked = true;
  full[foWriteChoice].index = writeAppend;
  full[foWriteVariable] = full[foReadVariable] = Offering({"v"}, 0);

  DialogValues expected = Fresh();
  expected[foDeleteChoice].index = deletePermanently;
  expected[foRunWait].checked = true;
  expected[foWriteChoice].index = writeAppend;
  // Refilled at every show.
  expected[foWriteVariable] = expected[foReadVariable] = Offering({"v"}, 0);
  DialogValues closed = full;
  EmptyClosedValues(FileOpMapping, closed);
  EXPECT_EQ(closed, expected);

  // So a step switched to a page never takes an earlier step's criteria.
  const TCommand copy = NewStep(vx::ckCopyObject);
  EXPECT_EQ(Applied(FileOpViewOf(vx::ckDeleteObject).kind, Shown(copy, {}, closed), copy),
            Step(vx::ckDeleteObject, "", "p"));
}

}  // namespace
}  // namespace vxtest
