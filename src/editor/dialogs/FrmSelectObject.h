// The object criteria dialog: the five boxes of an object criteria (name, location, file
// types and the two size bounds) for the disk dialog's criteria lists.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/editor/dialogs/CriteriaBoxes.h"
#include "editor/dialogs/ControlBinder.h"
#include "editor/dialogs/SubFieldEdit.h"
#include "editor/dialogs/WrapLabel.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

// A size box: digits only, typed or pasted.
class TSizeEdit : public win32::TEdit {
 protected:
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class Tfrmselectobject : public win32::TForm {
 public:
  void Create(HWND owner);
  // Shows the dialog modally on criteria, centred on its owner; the edited criteria when the
  // user confirms with OK, nullopt otherwise.
  std::optional<std::string> Edit(const std::string& criteria);

  win32::TGradientBox Gradient1;
  win32::TLabel Label6;
  TWrapLabel lblinfo;
  win32::TLabel lblname, lbllocation, lblextension, lblsize, lblsizeand, lblsizeend;
  TSubFieldNameEdit txtfname;
  TSubFieldNameEdit txtflocation;
  win32::TButton cmdbrowsefolder;
  TSubFieldNameEdit txtfextension;
  TSizeEdit txtfsizelow;
  TSizeEdit txtfsizehigh;
  win32::TButton Cmdok;
  win32::TButton CmdCancel;

  // The channel to the caller: the criteria shown, and after OK the one confirmed.
  std::string CriteriaText;

 protected:
  void FormShow() override;

 private:
  void CmdokClick();
  void cmdbrowsefolderClick();

  // The five boxes in CriteriaControl order.
  std::vector<BoundControl> boxes_;
};

}  // namespace vx::editor
