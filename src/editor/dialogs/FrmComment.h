// The comment dialog: the comment of the selected steps.
#pragma once

#include "editor/dialogs/StepDialogHost.h"
#include "editor/dialogs/SystemIcon.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

class Tfrmcomment : public win32::TForm {
 public:
  void Create(StepDialogHost& host);
  // Shows the dialog modally, centred on its owner; IDOK when the comments were stored.
  int Open();

  win32::TLabel Label1;
  TSystemIcon Image1;
  win32::TEdit txtcomment;
  win32::TButton cmdok;
  win32::TButton cmdcancel;

 protected:
  void FormShow() override;

 private:
  void cmdokClick();

  StepDialogHost* host_ = nullptr;
};

}  // namespace vx::editor
