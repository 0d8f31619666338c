// The options dialog: the player's four settings, read from the registry at every showing
// and written by Apply.
#pragma once

#include <map>
#include <string>

#include "core/editor/dialogs/OptionsDialog.h"
#include "editor/dialogs/WrapLabel.h"
#include "win32/forms/BevelRect.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

// The settings key of the current user, opened for writing only when a value is written.
// A text the ANSI code page cannot hold reads with "?" for what it lacks, never as its
// look-alike; WholeText then gives it as the registry holds it.
class RegistryOptionsStore : public OptionsStore {
 public:
  std::optional<std::int32_t> ReadInteger(const std::string& name) const override;
  std::optional<std::string> ReadString(const std::string& name) const override;
  void WriteInteger(const std::string& name, std::int32_t value) override;
  void WriteString(const std::string& name, const std::string& value) override;
  // The whole text of a value ReadString read and the code page cannot hold.
  std::optional<std::wstring> WholeText(const std::string& name) const;

 private:
  mutable std::map<std::string, std::wstring> unheld_;
};

class Tfrmoptions : public win32::TForm {
 public:
  void Create(HWND owner);
  // Shows the dialog modally, centred on its owner; IDOK when the settings were written.
  int Open();

  win32::TGradientBox Gradient1;
  win32::TLabel lblinfocaption;
  TWrapLabel lblinfo;
  win32::TBevelRect BevelRect1;
  win32::TCheckBox chkvpshow;
  win32::TCheckBox chkvpextended;
  win32::TCheckBox chklog;
  win32::TLabel Label1;
  win32::TNameEdit txtlogpath;
  win32::TButton cmdlogpath;
  win32::TButton cmdapply;
  win32::TButton cmdcancel;

 protected:
  void FormShow() override;

 private:
  OptionsValues Values() const;
  // A box whose state the loading changes runs its click action, as a user's click does.
  static void LoadCheck(win32::TCheckBox& box, bool checked);
  void cmdapplyClick();
  void cmdlogpathClick();
};

}  // namespace vx::editor
