#include <gtest/gtest.h>

#include "DesktopHelper.h"
#include "TempFolder.h"
#include "core/StepKinds.h"
#include "e2e/editor_dialogs_disk/DiskDialogsRig.h"
#include "editor/dialogs/FrmFileOp.h"
#include "win32/editor_dialogs/UserAtDialog.h"

namespace vx::editor {
namespace {

using vxtest::Click;
using vxtest::ClickPainted;
using vxtest::InModalLoop;
using vxtest::Shot;
using vxtest::TypeChars;

TCommand Step(std::uint8_t kind, std::string p1 = {}, std::string p2 = {}, std::string p3 = {}) {
  TCommand step;
  step.kind = kind;
  step.p1 = std::move(p1);
  step.p2 = std::move(p2);
  step.p3 = std::move(p3);
  return step;
}

std::string Criteria(const std::string& name, const std::string& location,
                     const std::string& extension = "", const std::string& low = "",
                     const std::string& high = "") {
  const std::string s(1, FieldSeparator);
  return name + s + location + s + extension + s + low + s + high;
}

// The folder of the program that runs, where the folder choosers open.
std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program = path;
  return program.substr(0, program.find_last_of('\\'));
}

class FileOpDialogE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.Create(host.DialogOwner(), criteria);
    criteria.Create(dialog.Handle());
  }
  const win32::TLabelEx& LinkTo(std::uint8_t kind) const {
    for (std::size_t i = 0; i < FileOpLinks.size(); ++i)
      if (FileOpLinks[i].kind == kind) return dialog.links[i];
    return dialog.links[0];
  }
  std::vector<std::string> Entries(const win32::TComboBox& box) const {
    std::vector<std::string> entries;
    for (int i = 0; i < box.Count(); ++i) entries.push_back(box.ItemText(i));
    return entries;
  }
  vxtest::RigHost host;
  Tfrmfileop dialog;
  Tfrmselectobject criteria;
  vxtest::TempFolder folder;
};

// Every control of every page, found by the label or caption a user reads beside it, is
// given a value of its own, and the script holds each value in its own field. The pages are
// reached by their links from a new Copy Object step; the folder choosers open at the
// editor's folder, which OK takes.
TEST_F(FileOpDialogE2E, EveryControlStoresItsOwnField) {
  using namespace vxtest::user;
  const std::string written = folder.File("written.txt"), read = folder.File("read.txt");
  const std::string here = ProgramFolder();
  const auto named = [](const char* list, const char* name) {
    return Through({list}, {Type({"All or part of the item name:"}, name)});
  };
  const std::string copy = StepKindName(ckCopyObject);
  const std::vector<Row> rows = {
      {copy,
       {Through(
            {"Source Object:"},
            {Type({"All or part of the item name:"}, "copied"), Type({"Located in:"}, "C:\\from"),
             Type({"With a file type of (comma seperated):"}, "txt,log"),
             Type({"With a file size between(leave empty for all sizes):"}, "12x3", "123"),
             Paste({"KB, and:"}, "1,024 ", "1024")}),
        Browse({"Copy To:"}, "", here)},
       Step(ckCopyObject, Criteria("copied", "C:\\from", "txt,log", "123", "1024"), here)},
      {copy,
       {Link("Move Object"), named("Source Object:", "moved"), Browse({"Move To:"}, "", here)},
       Step(ckMoveObject, Criteria("moved", ""), here)},
      {copy,
       {Link("Rename Object"), named("Source Object:", "renamed"),
        Type({"New Name:"}, "new-name.txt")},
       Step(ckRenameObject, Criteria("renamed", ""), "new-name.txt")},
      {copy,
       {Link("Delete Object"), named("Delete Object:", "deleted"),
        ClickOn("Delete to Recycle Bin")},
       Step(ckDeleteObject, Criteria("deleted", ""), "r")},
      {copy,
       {Link("Run Object"), named("Run Object:", "run.exe"),
        ClickOn("Wait for program to exit to proceed next steps."),
        Type({"Parameters:"}, "-run -params")},
       Step(ckRunObject, Criteria("run.exe", ""), "w", "-run -params")},
      {copy,
       {Link("Write To File"), Choose({"Write   What:"}, "second"),
        Browse({"To:"}, written, written), ClickOn("Overwrite")},
       Step(ckWriteToFile, written, "second", "o")},
      {copy,
       {Link("Read From File"), Browse({"Read   What:"}, read, read), Choose({"To:"}, "first")},
       Step(ckReadFromFile, read, "first")},
  };
  std::vector<TCommand> expected = {Step(ckSetVariable, "first"), Step(ckSetVariable, "second")};
  host.steps.Assign(expected);
  const auto look = [&](const Row& row) { Shot(dialog.Handle(), StepKindName(row.stored.kind)); };
  for (const TCommand& step : AddEach(host, dialog, rows, &criteria, look))
    expected.push_back(step);
  EXPECT_EQ(vxtest::SavedAndReadBack(host.steps.Steps(), folder.File("disk.vxz")), expected);
}

// "Łodz.txt" (a name the ANSI code page cannot hold) beside "Lodz.txt": pasted into a path
// box, Apply is refused with a warning that names the box, and the dialog stays; chosen in
// the file chooser, it is refused as a file that cannot be created; pasted into the
// criteria's name box, OK is refused. Nothing is stored: the look-alike is never named.
TEST_F(FileOpDialogE2E, ANameOutsideTheCodePageIsRefusedNotStoredAsItsLookAlike) {
  using namespace vxtest::user;
  vxtest::WriteAll(folder.File("Lodz.txt"), "another file");
  const std::wstring lodz = folder.Path().wstring() + L"\\\u0141odz.txt";
  auto pasted = std::make_shared<vxtest::AnsweredBox>();
  auto chosen = std::make_shared<vxtest::AnsweredBox>();
  auto criteriaName = std::make_shared<vxtest::AnsweredBox>();
  const std::vector<TCommand> before = {Step(ckSetVariable, "v")};
  host.steps.Assign(before);
  AddThenCancel(
      host, dialog, StepKindName(ckWriteToFile),
      {Choose({"Write   What:"}, "v"), PasteWhole({"To:"}, lodz), PressRefused("Apply", pasted),
       BrowseRefused({"To:"}, lodz, chosen), Link("Delete Object"),
       Through({"Delete Object:"},
               {PasteWhole({"All or part of the item name:"}, L"\u0141odz.txt"),
                PressRefused("OK", criteriaName)},
               "Cancel")},
      &criteria);
  const std::string shown = folder.File("?odz.txt");
  EXPECT_EQ(pasted->text,
            "The text in \"To:\" has characters outside the system's ANSI code page (shown as "
            "\"?\"), which this program cannot use:\r\n\r\n" +
                shown + "\r\n\r\nPlease type it without them.");
  EXPECT_EQ(chosen->text, "Cannot create file \"" + shown +
                              "\". Its name has characters outside the system's ANSI code page "
                              "(shown as \"?\"), which this program cannot use.");
  EXPECT_NE(criteriaName->text.find("\"All or part of the item name:\""), std::string::npos);
  EXPECT_NE(criteriaName->text.find("\r\n?odz.txt\r\n"), std::string::npos);
  EXPECT_EQ(std::vector<TCommand>(host.steps.Steps().begin(), host.steps.Steps().end()), before);
  EXPECT_EQ(vxtest::ReadAll(folder.File("Lodz.txt")), "another file");
}

// Apply refuses a Read From File step while no variable is chosen, and the dialog stays.
TEST_F(FileOpDialogE2E, ReadWithoutAVariableIsRefused) {
  host.AddFromTree(StepKindName(ckReadFromFile));
  std::optional<vxtest::AnsweredBox> box;
  bool stillOpen = false;
  InModalLoop({[&] {
                 TypeChars(dialog.txtreadname.Handle(), "C:\\in.txt");
                 Shot(dialog.Handle(), "fileop-read");
                 ::PostMessageA(dialog.cmdapply.Handle(), BM_CLICK, 0, 0);
               },
               [&] { box = vxtest::AnswerMessageBox({.caption = "Read From Variable"}); },
               [&] {
                 stillOpen = dialog.Modal();
                 Click(dialog.cmdcancel.Handle());
               }});
  EXPECT_EQ(host.Open(dialog), IDCANCEL);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text,
            "Please choose a variable to write to.\r\nYou must declare a variable first if the "
            "variable list is empty.");
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(host.steps.Count(), 0u);
}

// Closing empties every page: a Delete Object step cancelled does not hand its criteria to
// the next step that is switched to the delete page.
TEST_F(FileOpDialogE2E, ClosingForgetsTheCriteriaOfEveryPage) {
  host.steps.Assign({Step(ckDeleteObject,
                          "*\x01"
                          "C:\\\x01\x01\x01",
                          "p")});
  host.EditStep(0);
  std::vector<std::string> shown;
  InModalLoop({[&] {
    shown = dialog.fdDelete.Lines();
    Shot(dialog.Handle(), "fileop-delete");
    Click(dialog.cmdcancel.Handle());
  }});
  EXPECT_EQ(host.Open(dialog), IDCANCEL);
  EXPECT_EQ(shown.size(), 4u);

  host.AddFromTree(StepKindName(ckCopyObject));
  InModalLoop({[&] { ClickPainted(dialog.Handle(), LinkTo(ckDeleteObject)); },
               [&] {
                 EXPECT_EQ(dialog.ActivePage(), FileOpPage::Delete);
                 EXPECT_TRUE(dialog.fdDelete.Lines().empty());
                 Click(dialog.cmdapply.Handle());
               }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  EXPECT_EQ(host.steps.Step(1), Step(ckDeleteObject, "", "p"));
}

// A size the player cannot read is refused at OK with the criteria dialog left open; its
// Cancel then leaves the list and the step's criteria as they were.
TEST_F(FileOpDialogE2E, CriteriaDialogRefusesAnUnreadableSize) {
  host.AddFromTree(StepKindName(ckRunObject));
  std::optional<vxtest::AnsweredBox> box;
  bool stillOpen = false;
  InModalLoop({[&] { Click(dialog.fdrun.Button()); },
               [&] {
                 TypeChars(criteria.txtfname.Handle(), "setup.exe");
                 TypeChars(criteria.txtfsizehigh.Handle(), "2147483648");
                 ::PostMessageA(criteria.Cmdok.Handle(), BM_CLICK, 0, 0);
               },
               [&] { box = vxtest::AnswerMessageBox({.processId = ::GetCurrentProcessId()}); },
               [&] {
                 stillOpen = criteria.Modal();
                 Click(criteria.CmdCancel.Handle());
               },
               [&] {
                 EXPECT_TRUE(dialog.fdrun.Lines().empty());
                 Click(dialog.cmdapply.Handle());
               }});
  ASSERT_EQ(host.Open(dialog), IDOK);
  ASSERT_TRUE(box.has_value());
  EXPECT_NE(box->text.find("'2147483648' is not a valid file size."), std::string::npos);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(host.steps.Step(0), Step(ckRunObject));
}

// A criteria list's button sits 4 pixels inside the list's bottom and right edges; a line
// selected while the list has no focus is highlighted behind its text only, and the list
// holds the most lines a criteria gives without a scroll bar.
TEST_F(FileOpDialogE2E, TheCriteriaListsButtonAndSelectedLine) {
  const std::string criteria =
      "name\x01"
      "C:\\where\x01txt\x01"
      "1\x01"
      "2";
  host.steps.Assign({Step(ckRunObject, criteria, "", "-q")});
  host.EditStep(0);
  RECT list{}, button{}, line{};
  vxtest::AreaColours rightOfText, behindText;
  bool scrollBar = true;
  InModalLoop({[&] {
    const HWND fdrun = dialog.fdrun.Handle();
    ::GetWindowRect(fdrun, &list);
    ::GetWindowRect(dialog.fdrun.Button(), &button);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    scrollBar = ::GetScrollBarInfo(fdrun, OBJID_VSCROLL, &bar) &&
                !(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    ::SendMessageA(fdrun, LB_SETCURSEL, 1, 0);
    dialog.txtrunparameters.SetFocus();
    ::SendMessageA(fdrun, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
    // Right of the value's text.
    rightOfText =
        vxtest::ColoursIn(fdrun, {line.right - 40, line.top, line.right - 30, line.bottom});
    // Within the blanks the value's text begins with.
    behindText =
        vxtest::ColoursIn(fdrun, {line.left + 8, line.top + 6, line.left + 9, line.top + 7});
    Shot(dialog.Handle(), "fileop-run-selected");
    Click(dialog.cmdcancel.Handle());
  }});
  host.Open(dialog);
  const int inset = ::MulDiv(4, static_cast<int>(win32::WindowDpi(dialog.Handle())), 96);
  EXPECT_EQ(list.right - button.right, inset);
  EXPECT_EQ(list.bottom - button.bottom, inset);
  EXPECT_FALSE(scrollBar) << "eight lines fit";
  EXPECT_EQ(rightOfText.corner, ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(behindText.corner, ::GetSysColor(COLOR_HIGHLIGHT));
}

// A link under the pointer shows its text in dark blue (blue 100) on white.
TEST_F(FileOpDialogE2E, ALinkUnderThePointerIsDarkBlueOnWhite) {
  host.AddFromTree(StepKindName(ckCopyObject));
  const win32::TLabelEx& link = LinkTo(ckMoveObject);
  vxtest::AreaColours hovered;
  InModalLoop(
      {[&] {
         const RECT r = link.Bounds();
         vxtest::PointerTo(dialog.Handle(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
       },
       [&] {
         ASSERT_TRUE(vxtest::WaitUntil([&] { return link.Hovered(); }, 3000));
         hovered = vxtest::ColoursIn(dialog.Handle(), link.Bounds());
         Shot(dialog.Handle(), "fileop-link-hovered");
         Click(dialog.cmdcancel.Handle());
       }});
  host.Open(dialog);
  EXPECT_EQ(hovered.corner, RGB(255, 255, 255));
  EXPECT_EQ(hovered.darkest, RGB(0, 0, 100));
}

}  // namespace
}  // namespace vx::editor
