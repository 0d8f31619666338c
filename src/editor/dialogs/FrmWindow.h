// The window dialog: Show Message, and the window steps with the window finder.
#pragma once

#include "core/editor/dialogs/WindowDialogFields.h"
#include "editor/dialogs/DialogPages.h"
#include "editor/dialogs/FinderImage.h"
#include "editor/dialogs/StepDialog.h"

namespace vx::editor {

class Tfrmwindow : public TStepDialog {
 public:
  void Create(HWND owner);

  win32::TLabelEx gotomsg;
  win32::TLabelEx gotowindow;
  // tswindow
  win32::TLabel lblwindow;  // "Window:"
  win32::TEdit txtwindowname;
  TFinderImage imgwindowfind;
  win32::TLabel lblfindhint;
  win32::TLabel lblaction;  // "Action:"
  win32::TRadioButton rbwindowactivate;
  win32::TRadioButton rbwindowmin;
  win32::TRadioButton rbwindowmax;
  win32::TRadioButton rbwindowclose;
  win32::TRadioButton rbwindowkill;
  win32::TRadioButton rbwindowdesktop;
  win32::TRadioButton rbwindowcloseall;
  // tsmessage
  win32::TLabel lblmsgtext;  // "Message:"
  win32::TEdit txtmsgtext;
  win32::TLabel lblmsgtype;  // "Type:"
  win32::TComboBox cmbmsgtype;

  WindowPage ShownPage() const { return static_cast<WindowPage>(pages_.Shown()); }

 protected:
  void FillControls() override;
  void WriteFields(TCommand& step) override;

 private:
  // The controls in the mapping's numbering, and the radio buttons' kinds.
  void BindControls();
  void ShowView(const WindowPageView& view);
  void LinkClicked(WindowPage page);

  DialogPages pages_;
};

}  // namespace vx::editor
