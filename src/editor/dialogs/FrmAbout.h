// The about box: the product's name, its version and the maker's notice.
#pragma once

#include <optional>
#include <string>

#include "editor/dialogs/SystemIcon.h"
#include "editor/dialogs/WrapLabel.h"
#include "win32/forms/Form.h"
#include "win32/forms/StdControls.h"

namespace vx::editor {

struct FileVersion {
  unsigned major = 0, minor = 0, build = 0;
};
// The file version of a program's version resource; nullopt when it has none.
std::optional<FileVersion> ReadFileVersion(const std::string& programPath);
// "version 1.0 build 7"; without a version resource, "version" alone.
std::string VersionLine(const std::optional<FileVersion>& version);
// The path of the running program.
std::string ProgramPath();

class Tfrmabout : public win32::TForm {
 public:
  // The version line comes from programPath's version resource.
  void Create(HWND owner, const std::string& programPath = ProgramPath());
  int Open();

  win32::TGradientBox Image1;
  TSystemIcon imgicon;
  win32::TLabel lblname;
  win32::TLabel lblversion;
  TWrapLabel lbldesc;
  win32::TLabel Label1;
  win32::TButton cmdok;
};

}  // namespace vx::editor
