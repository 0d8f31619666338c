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
win32::ControlDef ChoiceAt(const char* caption, int left, int top, DWORD style = 0,
                           int width = 260) {
  return {.caption = caption,
          .left = left,
          .top = top,
          .width = width,
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
  std::vector<BoundControl> controls = MappedControls();
  // The form as created: nothing typed, to the recycle bin, overwriting.
  ShowControls(controls, InitialValues(FileOpMapping, FileOpControlCount));
  BindMapping(FileOpMapping, std::move(controls));
  ShowView(FileOpViewOf(FileOpLinks[3].kind));
}

std::vector<win32::ControlSlot> Tfrmfileop::PageControls() {
  std::vector<win32::ControlSlot> slots = ObjectPageControls();
  const std::vector<win32::ControlSlot> files = FilePageControls();
  slots.insert(slots.end(), files.begin(), files.end());
  return slots;
}

std::vector<win32::ControlSlot> Tfrmfileop::ObjectPageControls() {
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
  };
}

std::vector<win32::ControlSlot> Tfrmfileop::FilePageControls() {
  return {
      {&lblwritevar, LabelAt("Write   What:", 8, 8), &tswrite},
      {&cmbwritevar, BoxAt(24), &tswrite},
      {&lblwritename, LabelAt("To:", 8, 56), &tswrite},
      {&txtwritename, BoxAt(72, BesideBrowse), &tswrite},
      {&cmdwritename, BrowseButtonDef(8, 72, BesideBrowse), &tswrite},
      {&lblwritetype, LabelAt("Type:", 8, 108, 40), &tswrite},
      {&rbwriteo, ChoiceAt("Overwrite", 50, 106, WS_GROUP, 90), &tswrite},
      {&rbwritea, ChoiceAt("Append", 150, 106, 0, 90), &tswrite},

      {&lblreadname, LabelAt("Read   What:", 8, 8), &tsread},
      {&txtreadname, BoxAt(24, BesideBrowse), &tsread},
      {&cmdreadname, BrowseButtonDef(8, 24, BesideBrowse), &tsread},
      {&lblreadvar, LabelAt("To:", 8, 56), &tsread},
      {&cmbreadvar, BoxAt(72), &tsread},
  };
}

std::vector<BoundControl> Tfrmfileop::MappedControls() {
  return {&fdDelete,
          RadioGroup{{&rbdloptionpermanent, &rbdloptionrecycle}},
          &fdrun,
          &chkrunwait,
          NameBox{&txtrunparameters, &lblrunparameters},
          &fdrename,
          NameBox{&txtrnew, &lblrnew},
          &fdcopy,
          NameBox{&txtcdestpath, &lblcdestpath},
          &fdmove,
          NameBox{&txtmnew, &lblmnew},
          RefilledList{&cmbwritevar},
          NameBox{&txtwritename, &lblwritename},
          RadioGroup{{&rbwriteo, &rbwritea}},
          NameBox{&txtreadname, &lblreadname},
          RefilledList{&cmbreadvar}};
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
  ShowMappedStep();
  ShowView(FileOpViewOf(ShownStep().kind));
}

bool Tfrmfileop::RefuseApply() {
  const auto refused = RefuseFileOpApply(CurrentKind(), MappedValues());
  if (!refused) return false;
  ::MessageBoxA(Handle(), refused->text.c_str(), refused->caption.c_str(), MB_OK | MB_ICONWARNING);
  return true;
}

void Tfrmfileop::WriteFields(TCommand& step) {
  ApplyMappedStep(step);
}

void Tfrmfileop::DialogClosed() {
  // The next step never starts from an unrelated step's boxes or criteria.
  EmptyMappedControls();
}

void Tfrmfileop::FDButtonClick(TListBoxEx& list) {
  if (const auto criteria = criteriaDialog_->Edit(list.Criteria()))
    ShowObjectCriteria(list, *criteria);
}

void Tfrmfileop::BrowseFolderInto(win32::TEdit& box) {
  // Opens at the editor's folder whatever the box holds.
  if (const auto folder = BrowseForFolder(Handle())) {
    box.SetText(*folder);
    box.SelectAll();
  }
}

void Tfrmfileop::BrowseFileInto(win32::TEdit& box, const FileChooser& chooser) {
  if (const auto file = ChooseFile(Handle(), chooser)) box.SetText(*file);
}

}  // namespace vx::editor
