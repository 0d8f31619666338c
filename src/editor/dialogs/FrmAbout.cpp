#include "editor/dialogs/FrmAbout.h"

#include <vector>

#include "win32/system/ProgramPath.h"

namespace vx::editor {

namespace {

const win32::FormDef AboutForm = {
    .className = "Tfrmabout",
    .caption = "About vorlix",
    .width = 410,
    .height = 246,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    .exStyle = WS_EX_DLGMODALFRAME,
    .font = {"Tahoma", 8},
    .role = win32::FormRole::Dialog,
};

}  // namespace

std::optional<FileVersion> ReadFileVersion(const std::string& programPath) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(programPath.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> info(size);
  if (!::GetFileVersionInfoA(programPath.c_str(), 0, size, info.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr || length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  return FileVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                     HIWORD(fixed->dwFileVersionLS)};
}

std::string VersionLine(const std::optional<FileVersion>& version) {
  if (!version) return "version";
  return "version " + std::to_string(version->major) + "." + std::to_string(version->minor) +
         " build " + std::to_string(version->build);
}

std::string ProgramPath() {
  return win32::ProgramPath();
}

void Tfrmabout::Create(HWND owner, const std::string& programPath) {
  CreateForm(
      AboutForm,
      {
          {&Image1, {.width = 123, .height = 246}},
          {&imgicon, {.left = 45, .top = 24, .width = 32, .height = 32}},
          {&lblname,
           {.caption = "vorlix",
            .left = 139,
            .top = 16,
            .font = {.face = "Arial", .points = 22, .bold = true}}},
          {&lblversion, {.caption = "", .left = 141, .top = 60}},
          {&lbldesc,
           {.caption = "Composes scripts of steps and runs them. This program is provided as "
                       "is, without warranty of any kind.",
            .left = 141,
            .top = 84,
            .width = 233,
            .height = 97}},
          {&Label1, {.caption = "Copyright (C) Vorlix", .left = 141, .top = 218}},
          {&cmdok,
           {.caption = "OK", .left = 327, .top = 213, .width = 75, .height = 25, .id = IDOK}},
      },
      owner);
  GradientSettings shade;
  shade.style = TFillStyle::fsVertical;
  Image1.Gradient().Assign(shade);
  lblversion.SetCaption(VersionLine(ReadFileVersion(programPath)));
  cmdok.OnClick = [this] { EndModal(IDOK); };
}

int Tfrmabout::Open() {
  CenterOnOwner();
  return ShowModal();
}

}  // namespace vx::editor
