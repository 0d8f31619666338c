// The clipboard dialog: Get, Set and Clear Clipboard steps.
#pragma once

#include "core/editor/dialogs/ClipboardDialog.h"
#include "editor/dialogs/StepDialog.h"

namespace vx::editor {

class Tfrmclipboard : public TStepDialog {
 public:
  void Create(HWND owner);

  win32::TLabel Label1;  // "Action:"
  win32::TRadioButton rbcbget;
  win32::TLabel Label2;  // "Write to variable:"
  win32::TComboBox cmbwritevar;
  win32::TRadioButton rbcbset;
  win32::TLabel Label3;  // "Populate With"
  win32::TEdit txtcbset;
  win32::TRadioButton rbcbclear;

 protected:
  void FillControls() override;
  void WriteFields(TCommand& step) override;
};

}  // namespace vx::editor
