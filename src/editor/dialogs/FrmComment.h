// The comment dialog: shows a comment (the current step's) and gives back the text OK
// confirmed, which the main window gives every selected step.
#pragma once

#include <optional>
#include <string>

#include "editor/dialogs/SystemIcon.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

class Tfrmcomment : public win32::TForm {
 public:
  void Create(HWND owner);
  // Shows comment modally, centred on the owner; the text after OK, nothing after Cancel.
  std::optional<std::string> Edit(const std::string& comment);

  win32::TLabel Label1;
  TSystemIcon Image1;
  win32::TEdit txtcomment;
  win32::TButton cmdok;
  win32::TButton cmdcancel;

 protected:
  void FormShow() override;

 private:
  void cmdokClick();

  std::string comment_;
  std::optional<std::string> result_;
};

}  // namespace vx::editor
