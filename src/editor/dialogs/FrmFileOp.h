// The disk operations dialog: Write To File, Read From File and the five object steps
// (copy, move, rename, run, delete) with their criteria lists.
#pragma once

#include <array>
#include <vector>

#include "core/editor/dialogs/FileOpDialog.h"
#include "editor/dialogs/BrowseDialogs.h"
#include "editor/dialogs/FrmSelectObject.h"
#include "editor/dialogs/ListBoxEx.h"
#include "editor/dialogs/StepDialog.h"
#include "editor/dialogs/StepPages.h"

namespace vx::editor {

class Tfrmfileop : public TStepDialog {
 public:
  // criteriaDialog edits the criteria of the five lists.
  void Create(HWND owner, Tfrmselectobject& criteriaDialog);

  // The band's links, in the order of FileOpLinks.
  std::array<win32::TLabelEx, 7> links;

  // pgfo's pages, indexed by FileOpPage.
  win32::TPanel tsdelete, tsrun, tsrename, tsCopy, tsmove, tswrite, tsread;

  TPageLabel lbldelete;
  TListBoxEx fdDelete;
  TPageLabel grpdelete;  // " Delete Options "
  win32::TRadioButton rbdloptionpermanent, rbdloptionrecycle;

  TPageLabel lblrun, lblrunparameters;
  TListBoxEx fdrun;
  TPageLabel grprun;  // "Run Options"
  win32::TCheckBox chkrunwait;
  win32::TNameEdit txtrunparameters;

  TPageLabel lblrename, lblrnew;
  TListBoxEx fdrename;
  win32::TNameEdit txtrnew;

  TPageLabel lblcopy, lblcdestpath;
  TListBoxEx fdcopy;
  win32::TNameEdit txtcdestpath;
  win32::TButton Cmdcdestpath;

  TPageLabel lblmove, lblmnew;
  TListBoxEx fdmove;
  win32::TNameEdit txtmnew;
  win32::TButton cmdmnew;

  TPageLabel lblwritevar, lblwritename, lblwritetype;
  win32::TComboBox cmbwritevar;
  win32::TNameEdit txtwritename;
  win32::TButton cmdwritename;
  win32::TRadioButton rbwriteo, rbwritea;

  TPageLabel lblreadname, lblreadvar;
  win32::TNameEdit txtreadname;
  win32::TButton cmdreadname;
  win32::TComboBox cmbreadvar;

  FileOpPage ActivePage() const { return page_; }

 protected:
  void FillControls() override;
  bool RefuseApply() override;
  void WriteFields(TCommand& step) override;
  void DialogClosed() override;

 private:
  // The controls of the seven pages, each on its page.
  std::vector<win32::ControlSlot> PageControls();
  std::vector<win32::ControlSlot> ObjectPageControls();
  std::vector<win32::ControlSlot> FilePageControls();
  // The controls the mapping numbers, in FileOpControl order.
  std::vector<BoundControl> MappedControls();
  void ShowView(const FileOpView& view);
  void FDButtonClick(TListBoxEx& list);
  void BrowseFolderInto(win32::TEdit& box);
  void BrowseFileInto(win32::TEdit& box, const FileChooser& chooser);

  Tfrmselectobject* criteriaDialog_ = nullptr;
  FileOpPage page_ = FileOpPage::Delete;
};

}  // namespace vx::editor
