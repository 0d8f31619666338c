// The user input dialog: Send Keys with the key capture, Mouse Click and Mouse Move with the
// position capture (Shift anywhere in the dialog takes the mouse cursor's position).
#pragma once

#include <vector>

#include "core/editor/dialogs/KeyCapture.h"
#include "core/editor/dialogs/UserInputDialogFields.h"
#include "editor/dialogs/DialogPages.h"
#include "editor/dialogs/KeyCaptureEdit.h"
#include "editor/dialogs/StepDialog.h"
#include "win32/Handles.h"

namespace vx::editor {

class Tfrmuserinput : public TStepDialog {
 public:
  void Create(HWND owner);
  ~Tfrmuserinput() override;

  win32::TLabelEx gotomouse;
  win32::TLabelEx gotokeyboard;
  // tsmouse
  win32::TRadioButton rbmousemove;
  win32::TLabel lblmousepos;  // "Position:   "
  win32::TLabel lblposhint;   // "(Press Shift to capture current position)"
  win32::TEdit txtmousepos;
  win32::TRadioButton rbmouseclick;
  win32::TLabel lblclicktype;  // "Button:"
  win32::TComboBox cmbclicktype;
  // tskeyboard
  win32::TLabel lblsendkeys;  // "Text:"
  TKeyCaptureEdit txtsendkeys;
  win32::TCheckBox chkcapture;
  win32::TLabel lbloptions;  // "Options"
  win32::TRadioButton rbsendkeyschar;
  win32::TRadioButton rbsendkeysall;

  UserInputPage ShownPage() const { return static_cast<UserInputPage>(pages_.Shown()); }
  bool KeyCaptureOn() const { return capture_.On(); }

 protected:
  void FillControls() override;
  void WriteFields(TCommand& step) override;

 private:
  // The page links and both pages' controls, in tab order.
  std::vector<win32::ControlSlot> Controls();
  void ShowView(const UserInputPageView& view);
  void LinkClicked(UserInputPage page);
  // A key went down on this thread: with Shift held inside the dialog, the position box
  // takes the cursor's position; the key goes on to its control.
  static LRESULT CALLBACK KeyPreview(int code, WPARAM key, LPARAM flags);
  void CapturePositionOnShift(WPARAM key);

  DialogPages pages_;
  KeyCapture capture_;
  // The form sees every key before its controls (key preview) through a keyboard hook of
  // its own thread, kept for the form's life.
  win32::UniqueHook keyPreview_;
};

}  // namespace vx::editor
