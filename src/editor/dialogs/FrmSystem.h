// The system dialog: Wait, Execution Speed, Call DLL Function, the power and log-off kinds
// and Set Variable.
#pragma once

#include <array>

#include "core/editor/dialogs/SystemDialog.h"
#include "editor/dialogs/StepDialog.h"
#include "editor/dialogs/StepPages.h"

namespace vx::editor {

class Tfrmsystem : public TStepDialog {
 public:
  void Create(HWND owner);

  // The band's links, in the order of SystemLinks.
  std::array<win32::TLabelEx, 5> links;

  // pgsystem's pages, indexed by SystemPage.
  win32::TPanel tsexit, tsdll, tsspeed, tswait, tsvariable;

  TPageLabel lblaction;  // "Action:"
  // The exit choices, in the order of SystemExitChoices (Lock Computer first).
  std::array<win32::TRadioButton, 5> exitChoices;

  TPageLabel lblfunction, lblfromdll;
  win32::TEdit txtdllfunction;
  win32::TRadioButton rbdllkernel, rbdlluser, rbdllgdi, rbdllother;
  win32::TNameEdit txtdllother;
  win32::TButton cmddllother;

  TPageLabel lblspeed, lblspeedunit;
  win32::TEdit txtspeed;
  TPageLabel lblwait;
  win32::TEdit txtwait;
  TPageLabel lblvarname, lblvarvalue;
  win32::TEdit txtvarname, txtvarvalue;

  SystemPage ActivePage() const { return page_; }

 protected:
  void FillControls() override;
  void WriteFields(TCommand& step) override;

 private:
  void ShowView(const SystemView& view);
  void LinkClick(const SystemLink& link);
  void cmddllotherClick();

  SystemPage page_ = SystemPage::Exit;
};

}  // namespace vx::editor
