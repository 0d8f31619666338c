#include "editor/dialogs/FrmFileOp.h"

#include <vector>

namespace vx::editor {

namespace {

const StepDialogFrame FileOpFrame = {
    .className = "Tfrmfileop",
    .caption = "Disk Operations",
    .width = 472,
    .height = 337,
    .heading = "",
};

constexpr int Wide = 300;  // boxes and lists across a page
constexpr int BesideBrowse = Wide - 25;
// The eight lines a criteria gives at most fit without a scroll bar, which would cover the
// list's button.
constexpr int ListHeight = 140;

win32::ControlDef LabelAt(const char* caption, int left, int top, int width = Wide) {
  return {.caption = caption, .left = left, .top = top, .width = width, .height = 14};
}
win32::ControlDef BoxAt(int top, int width = Wide) {
  return {.left = 8, .top = top, .width = width, .height = 21};
}
win32::ControlDef ListAt(int top, int height = ListHeight) {
  return {.left = 8, .top = top, .width = Wide, .height = height};
}
win32::ControlDef ChoiceAt(const char* caption, int left, int top, DWORD style = 0) {
  return {.caption = caption,
          .left = left,
          .top = top,
          .width = 260,
          .height = 17,
          .style = style | WS_TABSTOP};
}

}  // namespace

void Tfrmfileop::Create(HWND owner, Tfrmselectobject& criteriaDialog) {
  criteriaDialog_ = &criteriaDialog;
  const win32::ControlDef page = PageDef(FileOpFrame);
  const int linksTop = PageLinksTop(FileOpFrame, static_cast<int>(links.size()));
  std::vector<win32::ControlSlot> slots;
  for (std::size_t i = 0; i < links.size(); ++i)
    slots.push_back(
        {&links[i], PageLinkDef(FileOpFrame, FileOpLinks[i].caption,
                                linksTop + static_cast<int>(i) * (PageLinkHeight + 2))});
  for (win32::TPanel* panel : {&tsdelete, &tsrun, &tsrename, &tsCopy, &tsmove, &tswrite, &tsread})
    slots.push_back({panel, page});
  const std::vector<win32::ControlSlot> pages = PageControls();
  slots.insert(slots.end(), pages.begin(), pages.end());
  CreateStepDialog(FileOpFrame, owner, slots);
  KeepDescriptionAbove(*this, FileOpFrame, linksTop);
  for (std::size_t i = 0; i < links.size(); ++i) {
    StylePageLink(links[i]);
    links[i].OnClick = [this, i] { ShowView(FileOpViewOf(FileOpLinks[i].kind)); };
  }
  for (TListBoxEx* list : {&fdDelete, &fdrun, &fdrename, &fdcopy, &fdmove})
    list->OnButtonClick = [this, list] { FDButtonClick(*list); };
  Cmdcdestpath.OnClick = [this] { BrowseFolderInto(txtcdestpath); };
  cmdmnew.OnClick = [this] { BrowseFolderInto(txtmnew); };
  cmdwritename.OnClick = [this] { BrowseFileInto(txtwritename, {.save = true}); };
  cmdreadname.OnClick = [this] {
    BrowseFileInto(txtreadname, {.filter = "All Files(*.*)|*.*", .title = "Select a file to read"});
  };
  // The form as created: nothing typed, to the recycle bin, overwriting.
  ShowValues(FileOpValues{});
  ShowView(FileOpViewOf(FileOpLinks[3].kind));
}

std::vector<win32::ControlSlot> Tfrmfileop::PageControls() {
  return {
      {&lbldelete, LabelAt("Delete Object:", 8, 8), &tsdelete},
      {&fdDelete, ListAt(24), &tsdelete},
      {&grpdelete, LabelAt(" Delete Options ", 8, 174), &tsdelete},
      {&rbdloptionpermanent, ChoiceAt("Delete permanently", 20, 192, WS_GROUP), &tsdelete},
      {&rbdloptionrecycle, ChoiceAt("Delete to Recycle Bin", 20, 212), &tsdelete},

      {&lblrun, LabelAt("Run Object:", 8, 8), &tsrun},
      {&fdrun, ListAt(24, 132), &tsrun},
      {&grprun, LabelAt("Run Options", 8, 162), &tsrun},
      {&chkrunwait, ChoiceAt("Wait for program to exit to proceed next steps.", 20, 180), &tsrun},
      {&lblrunparameters, LabelAt("Parameters:", 8, 206), &tsrun},
      {&txtrunparameters, BoxAt(222), &tsrun},

      {&lblrename, LabelAt("Source Object:", 8, 8), &tsrename},
      {&fdrename, ListAt(24), &tsrename},
      {&lblrnew, LabelAt("New Name:", 8, 176), &tsrename},
      {&txtrnew, BoxAt(192), &tsrename},

      {&lblcopy, LabelAt("Source Object:", 8, 8), &tsCopy},
      {&fdcopy, ListAt(24), &tsCopy},
      {&lblcdestpath, LabelAt("Copy To:", 8, 176), &tsCopy},
      {&txtcdestpath, BoxAt(192, BesideBrowse), &tsCopy},
      {&Cmdcdestpath, BrowseButtonDef(8, 192, BesideBrowse), &tsCopy},

      {&lblmove, LabelAt("Source Object:", 8, 8), &tsmove},
      {&fdmove, ListAt(24), &tsmove},
      {&lblmnew, LabelAt("Move To:", 8, 176), &tsmove},
      {&txtmnew, BoxAt(192, BesideBrowse), &tsmove},
      {&cmdmnew, BrowseButtonDef(8, 192, BesideBrowse), &tsmove},

      {&lblwritevar, LabelAt("Write   What:", 8, 8), &tswrite},
      {&cmbwritevar, BoxAt(24), &tswrite},
      {&lblwritename, LabelAt("To:", 8, 56), &tswrite},
      {&txtwritename, BoxAt(72, BesideBrowse), &tswrite},
      {&cmdwritename, BrowseButtonDef(8, 72, BesideBrowse), &tswrite},
      {&lblwritetype, LabelAt("Type:", 8, 108, 40), &tswrite},
      {&rbwriteo,
       {.caption = "Overwrite",
        .left = 50,
        .top = 106,
        .width = 90,
        .height = 17,
        .style = WS_GROUP | WS_TABSTOP},
       &tswrite},
      {&rbwritea,
       {.caption = "Append",
        .left = 150,
        .top = 106,
        .width = 90,
        .height = 17,
        .style = WS_TABSTOP},
       &tswrite},

      {&lblreadname, LabelAt("Read   What:", 8, 8), &tsread},
      {&txtreadname, BoxAt(24, BesideBrowse), &tsread},
      {&cmdreadname, BrowseButtonDef(8, 24, BesideBrowse), &tsread},
      {&lblreadvar, LabelAt("To:", 8, 56), &tsread},
      {&cmbreadvar, BoxAt(72), &tsread},
  };
}

FileOpValues Tfrmfileop::Values() const {
  FileOpValues v;
  v.deleteCriteria = fdDelete.Criteria();
  v.deletePermanently = rbdloptionpermanent.Checked();
  v.runCriteria = fdrun.Criteria();
  v.runWait = chkrunwait.Checked();
  v.runParameters = txtrunparameters.Text();
  v.renameCriteria = fdrename.Criteria();
  v.renameNewName = txtrnew.Text();
  v.copyCriteria = fdcopy.Criteria();
  v.copyDestination = txtcdestpath.Text();
  v.moveCriteria = fdmove.Criteria();
  v.moveDestination = txtmnew.Text();
  v.writeVariable = ReadVariableBox(cmbwritevar);
  v.writeFile = txtwritename.Text();
  v.writeOverwrite = rbwriteo.Checked();
  v.readFile = txtreadname.Text();
  v.readVariable = ReadVariableBox(cmbreadvar);
  return v;
}

void Tfrmfileop::ShowValues(const FileOpValues& v) {
  ShowObjectCriteria(fdDelete, v.deleteCriteria);
  rbdloptionpermanent.SetChecked(v.deletePermanently);
  rbdloptionrecycle.SetChecked(!v.deletePermanently);
  ShowObjectCriteria(fdrun, v.runCriteria);
  chkrunwait.SetChecked(v.runWait);
  txtrunparameters.SetText(v.runParameters);
  ShowObjectCriteria(fdrename, v.renameCriteria);
  txtrnew.SetText(v.renameNewName);
  ShowObjectCriteria(fdcopy, v.copyCriteria);
  txtcdestpath.SetText(v.copyDestination);
  ShowObjectCriteria(fdmove, v.moveCriteria);
  txtmnew.SetText(v.moveDestination);
  ShowVariableBox(cmbwritevar, v.writeVariable);
  txtwritename.SetText(v.writeFile);
  rbwriteo.SetChecked(v.writeOverwrite);
  rbwritea.SetChecked(!v.writeOverwrite);
  txtreadname.SetText(v.readFile);
  ShowVariableBox(cmbreadvar, v.readVariable);
}

void Tfrmfileop::ShowView(const FileOpView& view) {
  page_ = view.page;
  ShowPage(std::array<win32::TPanel*, 7>{&tsdelete, &tsrun, &tsrename, &tsCopy, &tsmove, &tswrite,
                                         &tsread},
           static_cast<int>(view.page));
  SetCurrentKind(view.kind);
  SetHeading(view.title, view.description);
  // The heading bar repeats the title.
  BevelRect1.SetCaption(view.title);
}

void Tfrmfileop::FillControls() {
  const FileOpShown shown = ShowFileOpStep(ShownStep(), DeclaredVariables(), Values());
  ShowValues(shown.values);
  ShowView(shown.view);
}

bool Tfrmfileop::RefuseApply() {
  TCommand scratch = ShownStep();
  const auto refused = ApplyFileOpStep(CurrentKind(), Values(), scratch);
  if (!refused) return false;
  ::MessageBoxA(Handle(), refused->text.c_str(), refused->caption.c_str(), MB_OK | MB_ICONWARNING);
  return true;
}

void Tfrmfileop::WriteFields(TCommand& step) {
  ApplyFileOpStep(CurrentKind(), Values(), step);
}

void Tfrmfileop::DialogClosed() {
  // The next step never starts from an unrelated step's boxes or criteria.
  ShowValues(EmptyFileOpBoxes(Values()));
}

void Tfrmfileop::FDButtonClick(TListBoxEx& list) {
  if (const auto criteria = criteriaDialog_->Edit(list.Criteria()))
    ShowObjectCriteria(list, *criteria);
}

void Tfrmfileop::BrowseFolderInto(win32::TEdit& box) {
  // Opens at the editor's folder whatever the box holds.
  if (const auto folder = BrowseForFolder(Handle(), EditorFolder())) {
    box.SetText(*folder);
    box.SelectAll();
  }
}

void Tfrmfileop::BrowseFileInto(win32::TEdit& box, const FileChooser& chooser) {
  if (const auto file = ChooseFile(Handle(), chooser)) box.SetText(*file);
}

}  // namespace vx::editor
